#pragma once
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

#include "core/SharedState.h"
#include "platform/ui/Controls.h"

namespace r78 {

// The login screen, the first screen of the program. A valid user id and
// password keep the user in the shared state, close this screen and open the
// control screen (through onLoggedIn); Cancel or Esc closes it and so ends the program.
class Database_login : public QWidget {
    Q_OBJECT
public:
    Database_login(SharedState& state, std::function<void()> onLoggedIn, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    std::array<QLabel*, 2> lblLabels;
    ui::TextBox* txtUserID;
    ui::TextBox* txtPasswd;
    ui::CommandButton* CmdOK;
    ui::CommandButton* cmdCancel;

    void CmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SharedState& s_;
    std::function<void()> onLoggedIn_;
};

}  // namespace r78
