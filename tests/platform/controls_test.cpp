#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

}  // namespace
}  // namespace r78::ui
