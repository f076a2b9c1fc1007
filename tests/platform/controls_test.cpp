#include "platform/ui/Controls.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/ui/QtMessageService.h"

namespace r78::ui {
namespace {

// The boxes as they come up on the screen: read, then answered Yes or OK.
TEST(QtMessageServiceTest, NoBoxCarriesAnIconAndQuestionsAskYesOrNo) {
    QtMessageService service;
    struct Case {
        const char* kind;
        std::function<void()> show;
        QMessageBox::StandardButtons buttons;
    };
    const Case cases[] = {
        {"question", [&] { EXPECT_TRUE(service.YesNo("Proceed?")); }, QMessageBox::Yes | QMessageBox::No},
        {"ok", [&] { service.OkBox("Saved."); }, QMessageBox::Ok},
        {"error", [&] { service.ErrorBox("numeric entry please"); }, QMessageBox::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && qobject_cast<QMessageBox*>(w)) box = static_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
        });
        c.show();
        EXPECT_EQ(icon, QMessageBox::NoIcon);
        EXPECT_EQ(buttons, c.buttons);
    }
}

// A window with a Save button and a numeric box, as the block screens have them.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QHBoxLayout(&window);
        save = new CommandButton("&1. Save", &window);
        box = new TextBox(&window);
        layout->addWidget(save);
        layout->addWidget(box);
        QObject::connect(save, &QPushButton::clicked, [this] { ++clicks; });
        box->onKeyPress = [this](int& ascii) { seen.push_back(ascii); };
        window.show();
        QApplication::setActiveWindow(&window);
        box->setFocus();
        QApplication::processEvents();
    }

    QWidget window;
    CommandButton* save = nullptr;
    TextBox* box = nullptr;
    int clicks = 0;
    std::vector<int> seen;
};

TEST_F(ControlsTest, AnAccessKeyClicksItsButtonAtOnce) {
    // No turn of the event loop between the key and the click.
    QTest::keyClick(box, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(save->isDown());
    EXPECT_TRUE(seen.empty());
}

TEST_F(ControlsTest, AnAltChordThatIsNoAccessKeyTypesNothingInABox) {
    QTest::keyClick(box, Qt::Key_7, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(seen, (std::vector<int>{'7', 'k'})) << "the key filter sees them";
    QTest::keyClick(box, Qt::Key_7);
    EXPECT_EQ(box->text(), "7");
    EXPECT_EQ(clicks, 0);
}

// Got focus is a move of the focus to a box from another control; the focus
// coming back from another window or a popup to the box that had it is none.
TEST(TextBoxTest, GotFocusIsAMoveWithinTheWindowNeverTheWindowsReturn) {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    TextBox* boxes[] = {new TextBox(&window), new TextBox(&window)};
    int got[] = {0, 0};
    for (int i : {0, 1}) {
        layout->addWidget(boxes[i]);
        boxes[i]->setText(i ? "22" : "1111");
        boxes[i]->onGotFocus = [&got, i] { ++got[i]; };
    }
    auto activate = [](QWidget* w) {
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    };
    QWidget other;
    // While another window is in front, the program may move the focus.
    auto away = [&](const std::function<void()>& meanwhile = {}) {
        other.show();
        activate(&other);
        if (meanwhile) meanwhile();
        other.hide();
        activate(&window);
    };

    // A window shown with the focus in a box: its first got focus.
    boxes[0]->setFocus();
    window.show();
    activate(&window);
    EXPECT_EQ(got[0], 1);

    boxes[0]->setCursorPosition(2);
    away();
    EXPECT_EQ(got[0], 1);
    EXPECT_EQ(boxes[0]->cursorPosition(), 2);

    QMenu menu;
    menu.addAction("an action");
    menu.popup(boxes[0]->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    menu.close();
    activate(&window);
    EXPECT_EQ(QApplication::focusWidget(), boxes[0]);
    EXPECT_EQ(got[0], 1);

    // The box the focus was moved to while the window was behind: a move.
    away([&] { boxes[1]->setFocus(); });
    EXPECT_EQ(QApplication::focusWidget(), boxes[1]);
    EXPECT_EQ(got[1], 1);
    // So is a move back to a box that had lost the focus to a window before.
    away([&] { boxes[0]->setFocus(); });
    EXPECT_EQ(QApplication::focusWidget(), boxes[0]);
    EXPECT_EQ(got[0], 2);
    boxes[1]->setFocus();
    EXPECT_EQ(got[1], 2);
}

}  // namespace
}  // namespace r78::ui
