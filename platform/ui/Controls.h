#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

class QInputMethodEvent;
class QKeyEvent;

namespace r78::ui {

// A line edit whose text is typed, never put in whole. Whatever it would insert
// goes to TypeCharacters, to go in one character after another as keys type
// them, through the key filter and the width: a key's text (TypedCharacters
// says which keys type, whatever their modifiers; the subclass's key handler
// sends them on), every paste (the paste keys, which that handler sends on; the
// context menu's Paste; the middle button's selection) and an input method's
// text, a dead key's or the Compose key's among them. It takes no drops. The
// grid's cell editor and TextBox are both.
class TypedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TypedLineEdit(QWidget* parent = nullptr);

protected:
    virtual void TypeCharacters(const std::u32string& characters) = 0;
    void PasteTyped(const QString& text);
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

// The characters of a pasted text, in the order they are typed: the printable
// ones of its first line (a box or a cell holds one line).
std::u32string PastedCharacters(const QString& text);

// The characters a key types, one code point each: its text, whenever a line
// edit would insert it. That is a key with any modifiers but exactly Control or
// Control+Shift (those are commands), whose text begins with a printable, a
// private-use or a beyond-16-bit character; and a key whose text begins with a
// format character, whatever its modifiers. Control characters in the text are
// never typed (Enter, Esc, Tab and Backspace are keys, not text).
std::u32string TypedCharacters(const QKeyEvent& event);

// The characters an input method has finished (a dead key's, the Compose key's).
std::u32string CommittedCharacters(const QInputMethodEvent& event);

// A text box with the screens' three events: key down (with the key code; the
// handler may swallow the key by setting it to 0), key press (with the typed
// character; setting it to 0 refuses it) and got focus. A paste is typed,
// character by character, as the keys would type it.
//
// Got focus is a move of the focus to the box from another control. A box that
// lost the focus only because its window or a popup took it (a message box,
// another program, a context menu) gets it back without the event: its text
// and caret stay as they were.
class TextBox : public TypedLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    std::function<void(int& keyCode, Qt::KeyboardModifiers shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onGotFocus;

    // Limits what the operator may type without cutting text set by code.
    void SetTypingLimit(int maxChars) { typingLimit_ = maxChars; }

    // Selects the whole text, as the screens do when a box gets the focus.
    void SelectAll() { setSelection(0, static_cast<int>(text().size())); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void TypeCharacters(const std::u32string& characters) override;

private:
    // Each character through key press (which may change or refuse it), then
    // the typing limit, and into the box. A chord (Alt with a key that is no
    // access key) is seen by the filter but types nothing.
    void Type(const std::u32string& characters, bool chord);
    bool Press(int& ascii, bool chord);

    int typingLimit_ = 0;
    // The focus went to another window or a popup; its return is no move to the box.
    bool lostToWindow_ = false;
};

// A command button that Enter presses while it has the focus, as operators are
// used to ("Enter, Enter" at the end of the login). It is never a default
// button: Enter in a text box does not press it. Its access key clicks it at
// once; the toolkit's own would hold the button down a tenth of a second first.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label of the forms: "&&" in its text shows one "&", as a caption's does.
QLabel* TextLabel(const QString& text, QWidget* parent);

// A label in bold: the header's captions and values.
QLabel* BoldLabel(const QString& text, QWidget* parent);

// A bold heading line of a screen, centred, its font scaled from the screen's;
// "&&" shows "&".
QLabel* HeadingLabel(const QString& text, QWidget* parent, double scale = 1.0);

// Places a screen at a position and size given in twips, kept within the
// available screen area.
void PlaceForm(QWidget* form, int leftTwips, int topTwips, int widthTwips, int heightTwips);

}  // namespace r78::ui
