#include "core/ui/Database_login.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/Login.h"
#include "platform/ui/Keys.h"

namespace r78 {

Database_login::Database_login(SharedState& state, std::function<void()> onLoggedIn, QWidget* parent)
    : QWidget(parent), s_(state), onLoggedIn_(std::move(onLoggedIn)) {
    setObjectName("Database_login");
    setWindowTitle("Login_form: Data Entry TQS 78th Round");
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel("DATA ENTRY MODULE TQS 78TH ROUND (FOR QAM)", this);
    Label2 = new QLabel("VERSION 1.0", this);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    Label2->setAlignment(Qt::AlignCenter);

    lblLabels = {new QLabel("User ID:", this), new QLabel("Password:", this)};
    txtUserID = new ui::TextBox(this);
    txtUserID->setObjectName("txtUserID");
    txtPasswd = new ui::TextBox(this);
    txtPasswd->setObjectName("txtPasswd");
    txtPasswd->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*", whatever the style's own mask.
    txtPasswd->setStyleSheet("lineedit-password-character: 42");
    lblLabels[0]->setBuddy(txtUserID);
    lblLabels[1]->setBuddy(txtPasswd);

    CmdOK = new ui::CommandButton("OK", this);
    CmdOK->setObjectName("CmdOK");
    cmdCancel = new ui::CommandButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");

    auto* fields = new QGridLayout;
    fields->addWidget(lblLabels[0], 0, 0);
    fields->addWidget(txtUserID, 0, 1);
    fields->addWidget(lblLabels[1], 1, 0);
    fields->addWidget(txtPasswd, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(cmdCancel);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(24, 18, 24, 18);
    top->setSpacing(12);
    top->addWidget(Label1);
    top->addWidget(Label2);
    top->addSpacing(8);
    top->addLayout(fields);
    top->addSpacing(8);
    top->addLayout(buttons);

    setTabOrder(txtUserID, txtPasswd);
    setTabOrder(txtPasswd, CmdOK);
    setTabOrder(CmdOK, cmdCancel);

    txtUserID->onKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (key == ui::kKeyReturn || key == ui::kKeyDown) txtPasswd->setFocus();
    };
    txtPasswd->onKeyDown = [this](int& key, Qt::KeyboardModifiers) {
        if (key == ui::kKeyUp)
            txtUserID->setFocus();
        else if (key == ui::kKeyReturn || key == ui::kKeyDown)
            CmdOK->setFocus();  // the second Enter, on the button, presses it
    };
    connect(CmdOK, &QPushButton::clicked, this, &Database_login::CmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Database_login::cmdCancel_Click);
    txtUserID->setFocus();
}

void Database_login::CmdOK_Click() {
    bool valid = false;
    try {
        valid = LoginCheck(s_, txtUserID->text().toStdString(), txtPasswd->text().toStdString());
    } catch (const std::exception& e) {
        s_.Messages->OkBox(e.what());
        txtUserID->setFocus();
        return;
    }
    if (!valid) {
        s_.Messages->OkBox("Invalid UserID/Passwd");
        txtUserID->setFocus();
        return;
    }
    // The control screen opens before this one closes, so that the program never
    // finds itself without a window in between.
    if (onLoggedIn_) onLoggedIn_();
    close();
}

void Database_login::cmdCancel_Click() { close(); }

void Database_login::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace r78
