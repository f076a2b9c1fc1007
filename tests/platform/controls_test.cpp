#include "platform/ui/Controls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace r78::ui {
namespace {

// A screen whose Next button takes the operator on to another box, as Next
// opens the next screen; Exit is disabled.
class CommandButtonTest : public ::testing::Test {
protected:
    CommandButtonTest() : window(std::make_unique<QWidget>()) {
        auto* layout = new QVBoxLayout(window.get());
        for (QWidget* w : std::initializer_list<QWidget*>{here, there, next, exit}) layout->addWidget(w);
        QObject::connect(next, &QPushButton::clicked, [this] {
            ++nexts;
            there->setFocus();
        });
        QObject::connect(exit, &QPushButton::clicked, [this] { ++exits; });
        exit->setEnabled(false);
        window->show();
        QApplication::setActiveWindow(window.get());
        here->setFocus();
        QApplication::processEvents();
    }
    // Keys as an operator types them, one straight after the other.
    static void Keys(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys) {
        for (auto [key, modifiers] : keys) QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    std::unique_ptr<QWidget> window;
    TextBox* here = new TextBox(window.get());
    TextBox* there = new TextBox(window.get());
    CommandButton* next = new CommandButton("&2. Next Blk", window.get());
    CommandButton* exit = new CommandButton("&3. Exit", window.get());
    int nexts = 0, exits = 0;
};

TEST_F(CommandButtonTest, AnAccessKeyPressesAtOnceSoThatTheKeysTypedNextGoWhereItLeads) {
    Keys({{Qt::Key_2, Qt::AltModifier}, {Qt::Key_5, Qt::NoModifier}});
    EXPECT_EQ(nexts, 1);
    EXPECT_EQ(here->text(), "");
    EXPECT_EQ(there->text(), "5");

    // A disabled button's key presses nothing.
    Keys({{Qt::Key_3, Qt::AltModifier}});
    QApplication::processEvents();
    EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace r78::ui
