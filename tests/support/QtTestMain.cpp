#include <gtest/gtest.h>

#include <QApplication>

// Screen tests run without a display unless one is asked for; this must be set
// before the application exists, also when the test list is read at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
