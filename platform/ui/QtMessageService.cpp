#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

namespace r78::ui {

namespace {

QWidget* Front() { return QApplication::activeWindow(); }

void ShowOk(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok, Front());
    box.exec();
}

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
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, Front());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace r78::ui
