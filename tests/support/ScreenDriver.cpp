#include "tests/support/ScreenDriver.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace r78::test {

QWidget* Focus() { return QApplication::focusWidget(); }

void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

void AnotherWindowComesAndGoes(QWidget* window) {
    QWidget other;
    other.setWindowTitle("another window");
    other.show();
    Activate(&other);
    other.hide();
    Activate(window);
}

void Type(const std::string& keys) {
    for (char c : keys) QTest::keyClick(Focus(), c);
    QApplication::processEvents();
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(Focus(), key, modifiers);
    QApplication::processEvents();
}

void KeyTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, text);
    QApplication::sendEvent(Focus(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, modifiers, text);
    QApplication::sendEvent(Focus(), &release);
    QApplication::processEvents();
}

void InputMethodCommits(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(Focus(), &event);
    QApplication::processEvents();
}

void Enter(const std::string& keys) {
    Type(keys);
    Key(Qt::Key_Return);
}

void Click(QAbstractButton* button) {
    button->click();
    QApplication::processEvents();
}

void ClickInWindow(QWidget* window, QWidget* target) {
    const QPoint at = target->mapTo(window, target->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
}

void KeyTo(QWidget* widget, Qt::Key key) {
    QTest::keyClick(widget, key);
    QApplication::processEvents();
}

void PasteByContextMenu(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
        if (action->text().startsWith("&Paste")) action->trigger();
    menu->close();
    // The menu had the window's activation; it goes back to the window.
    QApplication::processEvents();
    Activate(widget->window());
}

void TypeInto(QLineEdit* box, const QString& text, Qt::Key key) {
    box->clear();
    QTest::keyClicks(box, text);
    KeyTo(box, key);
}

void EnterInBox(QLineEdit* box, const std::string& text, Qt::Key key) {
    box->setFocus();
    TypeInto(box, QString::fromStdString(text), key);
}

void KeyRow(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) Enter(cell);
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void RefuseWrites(db::Connection& conn, const std::string& table, const std::string& write,
                  const std::string& message) {
    conn.Execute("create trigger refuse_" + write + "_" + table + " before " + write + " on " + table +
                 " begin select raise(abort, '" + message + "'); end");
}

}  // namespace r78::test
