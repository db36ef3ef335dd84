// A one-line field that typing never changes, but that shows a blinking
// caret while it holds the focus and lets the user move it, select (keyboard
// and mouse) and copy, as the game's number fields do. Qt's read-only line
// edit handles all of that except the caret, which it never draws.
#pragma once

#include <QBasicTimer>
#include <QLineEdit>

namespace formkit {

class ReadOnlyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit ReadOnlyEdit(QWidget *parent = nullptr);

    // Whether the caret is drawn at this moment of its blinking.
    bool caretShown() const { return m_caretShown; }
    // The rectangle the caret is drawn through the middle of.
    QRect caretRect() const { return cursorRect(); }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // Shows the caret at once and blinks it from now on, as after every
    // move of it.
    void restartBlinking();
    void stopBlinking();

    QBasicTimer m_blink;
    bool m_caretShown = false;
};

} // namespace formkit
