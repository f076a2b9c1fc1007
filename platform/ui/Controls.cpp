#include "platform/ui/Controls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QShortcutEvent>

#include "platform/ui/Keys.h"

namespace r78::ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

// Tab normally moves the focus before a box sees it; a box with a key-down
// handler gets to act on it first, and the focus moves on only when the handler
// left it here.
bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress && onKeyDown) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            QPointer<TextBox> self(this);
            int code = kKeyTab;
            onKeyDown(code, key->modifiers());
            if (!self) return true;
            if (code == 0 || !hasFocus()) {
                event->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    QPointer<TextBox> self(this);
    if (onKeyDown) {
        int code = KeyCodeOf(*event);
        if (code != 0) {
            onKeyDown(code, event->modifiers());
            // The handler may have closed the screen that holds this box.
            if (!self) return;
            if (code == 0) {
                event->accept();
                return;
            }
        }
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint()) {
        // Alt with a key that is no access key: the filter sees it, but it types nothing.
        const bool chord = IsAltChord(*event);
        if (onKeyPress) {
            int ascii = typed[0].unicode();
            onKeyPress(ascii);
            if (!self) return;
            if (ascii == 0 || chord) {
                event->accept();
                return;
            }
            if (ascii != typed[0].unicode()) {
                if (typingLimit_ <= 0 || text().size() - selectedText().size() < typingLimit_)
                    insert(QString(QChar(ascii)));
                event->accept();
                return;
            }
        }
        if (chord || (typingLimit_ > 0 && text().size() - selectedText().size() >= typingLimit_)) {
            event->accept();
            return;
        }
    }
    // Enter is the screens' own key: it never reaches a default button.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (onGotFocus) onGotFocus();
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

bool CommandButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        // Two buttons sharing a key take turns at the focus, as the toolkit does it.
        if (!shortcut->isAmbiguous() && shortcut->key() == this->shortcut()) {
            // Shown pressed while the click runs.
            QPointer<CommandButton> self(this);
            setDown(true);
            repaint();
            click();
            if (self) {
                setDown(false);
                update();
            }
            return true;
        }
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QLabel* TextLabel(const QString& text, QWidget* parent) {
    QString shown = text;
    shown.replace("&&", "&");
    return new QLabel(shown, parent);
}

QLabel* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QLabel* HeadingLabel(const QString& text, QWidget* parent, double scale) {
    QLabel* label = TextLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void PlaceForm(QWidget* form, int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    QSize size(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    if (auto* screen = QGuiApplication::primaryScreen()) size = size.boundedTo(screen->availableSize());
    form->move(TwipsToPixels(leftTwips), TwipsToPixels(topTwips));
    form->resize(size);
}

}  // namespace r78::ui
