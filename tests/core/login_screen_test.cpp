#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "core/Startup.h"
#include "core/ui/Database_login.h"
#include "tests/support/ScreenDriver.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

class LoginScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.DriveC = drive.Root();
        state.Messages = &messages;
        StartUp(state, test::FixedClock({2020, 3, 1}));
        screen = new Database_login(state, [this] { ++loggedIn; });
        screen->show();
        QApplication::setActiveWindow(screen);
        screen->txtUserID->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override { delete screen.data(); }

    void Type(QWidget* w, const QString& text) { QTest::keyClicks(w, text); }
    static void Key(QWidget* w, Qt::Key key) { test::KeyTo(w, key); }
    static QWidget* Focus() { return test::Focus(); }

    test::TempDrive drive;
    test::ScriptedMessages messages;
    SharedState state;
    QPointer<Database_login> screen;
    int loggedIn = 0;
};

TEST_F(LoginScreenTest, ShowsItsCaptions) {
    EXPECT_EQ(screen->windowTitle(), "Login_form: Data Entry TQS 78th Round");
    EXPECT_EQ(screen->Label1->text(), "DATA ENTRY MODULE TQS 78TH ROUND (FOR QAM)");
    EXPECT_EQ(screen->Label2->text(), "VERSION 1.0");
    EXPECT_EQ(screen->lblLabels[0]->text(), "User ID:");
    EXPECT_EQ(screen->lblLabels[1]->text(), "Password:");
    EXPECT_EQ(screen->CmdOK->text(), "OK");
    EXPECT_EQ(screen->cmdCancel->text(), "Cancel");
    EXPECT_EQ(screen->txtPasswd->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(screen->CmdOK->isDefault());
    EXPECT_FALSE(screen->CmdOK->autoDefault());
}

TEST_F(LoginScreenTest, EnterEnterEnterLogsInAndClosesTheScreen) {
    Type(screen->txtUserID, " opr1 ");
    Key(screen->txtUserID, Qt::Key_Return);
    EXPECT_EQ(Focus(), screen->txtPasswd);
    Type(screen->txtPasswd, "pass1");
    // Enter in the password moves to OK without pressing it.
    Key(screen->txtPasswd, Qt::Key_Enter);
    EXPECT_EQ(Focus(), screen->CmdOK);
    EXPECT_EQ(loggedIn, 0);
    Key(screen->CmdOK, Qt::Key_Return);
    EXPECT_EQ(loggedIn, 1);
    EXPECT_EQ(state.UserId, "OPR1");
    EXPECT_EQ(state.UserDpc, "101");
    EXPECT_EQ(state.UserType, "O");
    EXPECT_TRUE(messages.shown.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

TEST_F(LoginScreenTest, ArrowKeysMoveBetweenTheBoxes) {
    Key(screen->txtUserID, Qt::Key_Down);
    EXPECT_EQ(Focus(), screen->txtPasswd);
    Key(screen->txtPasswd, Qt::Key_Up);
    EXPECT_EQ(Focus(), screen->txtUserID);
    Key(screen->txtUserID, Qt::Key_Down);
    Key(screen->txtPasswd, Qt::Key_Down);
    EXPECT_EQ(Focus(), screen->CmdOK);
}

TEST_F(LoginScreenTest, EnterInABoxNeverPressesOk) {
    screen->txtUserID->setText("OPR1");
    screen->txtPasswd->setText("PASS1");
    Key(screen->txtUserID, Qt::Key_Return);
    EXPECT_EQ(loggedIn, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoginScreenTest, WrongPasswordIsRefusedAndTheOperatorMayTryAgain) {
    Type(screen->txtUserID, "OPR1");
    Key(screen->txtUserID, Qt::Key_Return);
    Type(screen->txtPasswd, "wrong");
    Key(screen->txtPasswd, Qt::Key_Return);
    Key(screen->CmdOK, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (test::ScriptedMessages::Shown{"ok", "Invalid UserID/Passwd"}));
    EXPECT_EQ(loggedIn, 0);
    EXPECT_EQ(Focus(), screen->txtUserID);
    EXPECT_EQ(screen->txtPasswd->text(), "wrong");
    EXPECT_EQ(state.UserId, "");

    screen->txtPasswd->setText("PASS1");
    screen->CmdOK->click();
    EXPECT_EQ(loggedIn, 1);
    EXPECT_EQ(state.UserId, "OPR1");
}

TEST_F(LoginScreenTest, QuoteInTheBoxesIsJustAWrongLogin) {
    screen->txtUserID->setText("X' OR '1'='1");
    screen->txtPasswd->setText("X' OR '1'='1");
    screen->CmdOK->click();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid UserID/Passwd"});
    EXPECT_EQ(loggedIn, 0);
}

TEST_F(LoginScreenTest, EscapeCancels) {
    Key(screen->txtUserID, Qt::Key_Escape);
    EXPECT_EQ(loggedIn, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

TEST_F(LoginScreenTest, AnUnreachableMasterDatabaseIsReportedNotFatal) {
    state.MasterConn->Close();
    screen->txtUserID->setText("OPR1");
    screen->txtPasswd->setText("PASS1");
    screen->CmdOK->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(loggedIn, 0);
    EXPECT_FALSE(screen.isNull());
}

}  // namespace
}  // namespace r78
