#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "core/FormHandle.h"
#include "platform/db/Connection.h"
#include "platform/ui/BoundGrid.h"

// What every screen test needs: stand-ins for the control screen and for the
// neighbouring block screens, and the operator's hands on the keyboard and mouse.
namespace r78::test {

// The control screen, as far as the block screens reach it: it counts how often
// a block screen came back to its go-to box, its household boxes hold the
// household the counts concern, and it keeps the count last shown.
class StandInPacket : public ControlScreenHandle {
public:
    void Show() override {}
    void Unload() override {}
    std::string SssBoxText() const override { return sss; }
    std::string ShhnoBoxText() const override { return shhno; }
    void ShowListingSummary(const std::string&, const std::string&, const std::string&) override {}
    void ShowHhCount(int, const std::string& caption) override { hhCount = caption; }
    void ReturnToGoToBlock() override { ++returns; }
    int returns = 0;
    std::string sss, shhno;
    std::string hhCount;
};

// A neighbouring block screen that counts how often it was shown.
class StandInScreen : public FormHandle {
public:
    void Show() override { ++shown; }
    void Unload() override {}
    int shown = 0;
};

// The operator's actions go to the widget with the focus, as keys do; each
// lets the event loop run after it.
QWidget* Focus();
void Activate(QWidget* window);
// Another window comes to the front and goes, as a message box does: the window
// given loses the focus to it and is put in front again.
void AnotherWindowComesAndGoes(QWidget* window);
void Type(const std::string& keys);
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Enter(const std::string& keys);
void Click(QAbstractButton* button);
// A click as the operator makes it: the window sees it before the widget.
void ClickInWindow(QWidget* window, QWidget* target);
// A key that types the text given, with the modifiers given (a keypad key, a
// key of a keyboard layout, a key an input method sends on).
void KeyTyping(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// An input method's finished text (a dead key's, the Compose key's) given to the focus.
void InputMethodCommits(const QString& text);
// A key sent to a widget, whether it has the focus or not.
void KeyTo(QWidget* widget, Qt::Key key);
// Paste chosen from the widget's context menu; the menu goes and its window is
// active again.
void PasteByContextMenu(QWidget* widget);
// Replaces a box's text by typing, then presses a key there (the focus stays where it was).
void TypeInto(QLineEdit* box, const QString& text, Qt::Key key = Qt::Key_Return);
// The same, with the box given the focus first, as the operator's click would.
void EnterInBox(QLineEdit* box, const std::string& text, Qt::Key key = Qt::Key_Return);
// Types the cells of a grid row from the current cell on, Enter after each.
void KeyRow(const std::vector<std::string>& cells);
// Lets the screens deleted on leaving go.
void FlushDeletes();

// Makes the file refuse a kind of write ("insert", "update" or "delete") on a
// table, with the message, as a locked or damaged table would.
void RefuseWrites(db::Connection& conn, const std::string& table, const std::string& write,
                  const std::string& message = "refused");

}  // namespace r78::test
