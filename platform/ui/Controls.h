#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace r78::ui {

// A text box with the screens' three events: key down (with the key code; the
// handler may swallow the key by setting it to 0), key press (with the typed
// character; setting it to 0 refuses it) and got focus.
class TextBox : public QLineEdit {
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

private:
    int typingLimit_ = 0;
};

// A command button that Enter presses while it has the focus, as operators are
// used to ("Enter, Enter" at the end of the login). It is never a default
// button: Enter in a text box does not press it. Its access key ("&2. Next
// Blk": Alt+2) presses it at once.
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

// A bold heading line of a screen, centred, its font scaled from the screen's.
QLabel* HeadingLabel(const QString& text, QWidget* parent, double scale = 1.0);

// Places a screen at a position and size given in twips, kept within the
// available screen area.
void PlaceForm(QWidget* form, int leftTwips, int topTwips, int widthTwips, int heightTwips);

}  // namespace r78::ui
