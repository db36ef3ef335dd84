#include "keyrouter.h"

#include "windows1252.h"

#include <algorithm>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace formkit {

KeyRouter::KeyRouter(QWidget *window, const QList<QWidget *> &controls,
                     QAbstractButton *defaultButton, KeyHandler handler)
    : QObject(window), m_window(window), m_defaultButton(defaultButton),
      m_handler(std::move(handler))
{
    // The window keeps no focus policy: a click on a label, a chart or the
    // background must leave the focus where it is. It still takes the focus
    // when handed it (parkFocusOnWindow).
    m_window->installEventFilter(this);
    for (QWidget *control : controls)
        control->installEventFilter(this);
}

void KeyRouter::parkFocusOnWindow() { m_window->setFocus(Qt::OtherFocusReason); }

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKeyPress(watched, static_cast<QKeyEvent *>(event));
    case QEvent::ShortcutOverride: {
        // Before every key press Qt asks the focus widget whether it wants
        // the key rather than a shortcut. A read-only field never wants plain
        // text, but finding that out costs more than the whole rest of the
        // keystroke; answer for it (the event stays ignored, so shortcuts
        // still get their chance).
        const auto *key = static_cast<QKeyEvent *>(event);
        return ignoresPlainText(watched) && isPlainText(key->text(), key->modifiers());
    }
    case QEvent::InputMethod:
        // Text an input method commits is no keystroke and counts for
        // nobody; a read-only field must not take it either (Qt's would).
        return ignoresPlainText(watched);
    case QEvent::WindowActivate:
        if (watched == m_window)
            focusFirstTabStop();
        break;
    default:
        break;
    }
    return false;
}

bool KeyRouter::handleKeyPress(QObject *watched, QKeyEvent *event)
{
    // An ignored key event is sent on to the parents; only the widget that
    // holds the focus counts, so each character is handled once.
    QWidget *focus = m_window->focusWidget();
    if (!focus)
        focus = m_window;
    if (watched != focus)
        return false;

    const Qt::KeyboardModifiers mods = event->modifiers();
    // Alt makes menu mnemonics; Super (and Hyper, which desktops map onto
    // the same modifier) makes the desktop's own shortcuts. Neither is a
    // character of the game. Shift and the layout's level keys (AltGr) are.
    if (mods & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false; // focus navigation

    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && !(mods & (Qt::ShiftModifier | Qt::ControlModifier)) && m_defaultButton
        && m_defaultButton->isEnabled() && m_defaultButton->isVisible()) {
        m_defaultButton->click();
        return true;
    }

    const QString text = event->text();
    for (char32_t codePoint : text.toUcs4()) {
        const auto byte = toWindows1252(codePoint);
        char character = byte ? static_cast<char>(*byte) : UnmappableCharacter;
        m_handler(watched, character);
    }
    // The control's own handling goes on, except where it is known to do
    // nothing: plain text typed into a read-only field or the window itself
    // would only climb the parents unused. Ending it here halves the cost
    // of a keystroke, which matters at the rate two players hammer.
    return ignoresPlainText(watched) && isPlainText(text, mods);
}

bool KeyRouter::ignoresPlainText(QObject *receiver) const
{
    if (receiver == m_window)
        return true;
    const auto *field = qobject_cast<const QLineEdit *>(receiver);
    return field && field->isReadOnly();
}

bool KeyRouter::isPlainText(const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (text.isEmpty() || (modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

void KeyRouter::focusFirstTabStop()
{
    QWidget *focus = m_window->focusWidget();
    if (focus && focus != m_window)
        return;
    for (QWidget *w = m_window->nextInFocusChain(); w && w != m_window; w = w->nextInFocusChain()) {
        if (w->window() == m_window && w->isVisible() && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace formkit
