#include "platform/ui/Controls.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcutEvent>

#include "platform/ui/Keys.h"

namespace r78::ui {

TypedLineEdit::TypedLineEdit(QWidget* parent) : QLineEdit(parent) { setAcceptDrops(false); }

void TypedLineEdit::PasteTyped(const QString& text) { TypeCharacters(PastedCharacters(text)); }

void TypedLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste is found by what it is wired to (older Qt wires it by name).
    for (QAction* action : menu->actions())
        if (QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
            QObject::connect(action, &QAction::triggered, this,
                             [this] { PasteTyped(QGuiApplication::clipboard()->text()); });
    // A submenu (the control characters some desktops offer) would put its
    // character in past the key filter.
    for (QAction* action : menu->actions())
        if (action->menu()) menu->removeAction(action);
    menu->popup(event->globalPos());
}

// The middle button pastes the selection where the desktop has one.
void TypedLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        PasteTyped(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// An input method's text is typed. What it shows while the operator composes
// is shown as it would be, but never becomes part of the text, and it replaces
// nothing around the cursor.
void TypedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const std::u32string committed = CommittedCharacters(*event);
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    event->accept();
    if (!committed.empty()) TypeCharacters(committed);
}

namespace {

// A text's characters, one code point each, but for control characters: a key
// or an input method may send them along, but they are never a value's.
std::u32string WithoutControls(const QString& text) {
    std::u32string typed;
    for (const char32_t c : text.toStdU32String())
        if (QChar::category(c) != QChar::Other_Control) typed += c;
    return typed;
}

}  // namespace

std::u32string PastedCharacters(const QString& text) {
    std::u32string typed;
    for (char32_t c : text.toStdU32String()) {
        if (c == U'\n' || c == U'\r') break;
        if (QChar::isPrint(c)) typed += c;
    }
    return typed;
}

std::u32string TypedCharacters(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return {};
    const QChar first = text.front();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool command =
        modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    const bool types =
        first.category() == QChar::Other_Format ||
        (!command && (first.isPrint() || first.category() == QChar::Other_PrivateUse ||
                      (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())));
    return types ? WithoutControls(text) : std::u32string();
}

std::u32string CommittedCharacters(const QInputMethodEvent& event) {
    return WithoutControls(event.commitString());
}

TextBox::TextBox(QWidget* parent) : TypedLineEdit(parent) {}

// Tab normally moves the focus before a box sees it; a box with a key-down
// handler gets to act on it first, and the focus moves on only when the handler
// left it here.
bool TextBox::event(QEvent* event) {
    // As its window goes to the back, a box that is not the one to get the focus
    // back has lost nothing to it, whatever it lost before.
    if (event->type() == QEvent::WindowDeactivate && window()->focusWidget() != this) lostToWindow_ = false;
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
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteTyped(QGuiApplication::clipboard()->text());
        return;
    }
    if (const std::u32string typed = TypedCharacters(*event); !typed.empty()) {
        event->accept();
        Type(typed, IsAltChord(*event));
        return;
    }
    // Enter is the screens' own key: it never reaches a default button.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TextBox::Press(int& ascii, bool chord) {
    if (onKeyPress) {
        QPointer<TextBox> self(this);
        onKeyPress(ascii);
        if (!self || ascii == 0) return false;
    }
    // The limit counts characters, as the width checks do, not 16-bit units.
    return !chord && (typingLimit_ <= 0 || text().toUcs4().size() - selectedText().toUcs4().size() <
                                               static_cast<qsizetype>(typingLimit_));
}

void TextBox::Type(const std::u32string& characters, bool chord) {
    QPointer<TextBox> self(this);
    for (const char32_t c : characters) {
        int ascii = static_cast<int>(c);
        const bool takes = Press(ascii, chord);
        if (!self) return;
        if (!takes || isReadOnly()) continue;
        const char32_t typed = static_cast<char32_t>(ascii);
        insert(QString::fromUcs4(&typed, 1));
    }
}

void TextBox::TypeCharacters(const std::u32string& characters) {
    if (!isReadOnly()) Type(characters, false);
}

namespace {

// The focus taken by another window or a popup, or given back by it.
bool WindowOrPopup(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

void TextBox::focusInEvent(QFocusEvent* event) {
    const bool returned = lostToWindow_ && WindowOrPopup(event->reason());
    lostToWindow_ = false;
    QLineEdit::focusInEvent(event);
    if (onGotFocus && !returned) onGotFocus();
}

// QLineEdit keeps its selection over such a loss.
void TextBox::focusOutEvent(QFocusEvent* event) {
    lostToWindow_ = WindowOrPopup(event->reason());
    QLineEdit::focusOutEvent(event);
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
