#include "readonlyedit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>

namespace formkit {

ReadOnlyEdit::ReadOnlyEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (hasFocus())
            restartBlinking();
    });
}

void ReadOnlyEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    restartBlinking();
}

void ReadOnlyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    stopBlinking();
}

void ReadOnlyEdit::restartBlinking()
{
    m_caretShown = true;
    // The platform's flash time is a whole on-off cycle; 0 means no blinking.
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        m_blink.start(flashTime / 2, this);
    else
        m_blink.stop();
    update();
}

void ReadOnlyEdit::stopBlinking()
{
    m_blink.stop();
    m_caretShown = false;
    update();
}

void ReadOnlyEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blink.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    m_caretShown = !m_caretShown;
    update(cursorRect());
}

void ReadOnlyEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!m_caretShown || !isReadOnly() || !hasFocus())
        return;
    // Where an editable field would draw its caret: a vertical bar through
    // the middle of the cursor rectangle, in the text colour.
    const QRect around = cursorRect();
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    QPainter painter(this);
    painter.fillRect(QRect(around.center().x(), around.top(), qMax(1, width), around.height()),
                     palette().color(QPalette::Text));
}

} // namespace formkit
