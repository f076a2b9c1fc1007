#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace r78::ui {

namespace {

QWidget* Front() { return QApplication::activeWindow(); }

// No box carries an icon: the operators know the program's boxes by their words.
int Show(const std::string& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    buttons, Front());
    if (buttons & QMessageBox::Yes) box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}

void ShowOk(const std::string& text) { Show(text, QMessageBox::Ok); }

}  // namespace

void QtMessageService::ErrorBox(const std::string& text) {
    for (int i = 0; i < 3; ++i) {
        QApplication::beep();
        if (i < 2) QThread::msleep(120);
    }
    ShowOk(text);
}

void QtMessageService::OkBox(const std::string& text) { ShowOk(text); }

void QtMessageService::Beep() { QApplication::beep(); }

bool QtMessageService::YesNo(const std::string& text) {
    return Show(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace r78::ui
