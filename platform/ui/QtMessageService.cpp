#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace r78::ui {

namespace {

QWidget* Front() { return QApplication::activeWindow(); }

constexpr int kBeepGapMs = 120;

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
    // Three beeps far enough apart to be heard as three, without holding the box
    // back until they end: the first sounds as the box comes up, the other two
    // follow from the event loop while it is shown (or after it is closed).
    QApplication::beep();
    auto* later = new QTimer(qApp);
    later->setInterval(kBeepGapMs);
    QObject::connect(later, &QTimer::timeout, later, [later, left = 2]() mutable {
        QApplication::beep();
        if (--left == 0) {
            later->stop();
            later->deleteLater();
        }
    });
    later->start();
    ShowOk(text);
}

void QtMessageService::OkBox(const std::string& text) { ShowOk(text); }

void QtMessageService::Beep() { QApplication::beep(); }

bool QtMessageService::YesNo(const std::string& text) {
    return Show(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace r78::ui
