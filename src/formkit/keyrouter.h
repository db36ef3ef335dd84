// Delivers every character typed into a window to one key handler exactly
// once, whichever of the window and its focusable controls holds the focus,
// and makes Enter click the window's default button wherever the focus is.
// Qt offers neither: a key event climbs from the focus widget to its parents
// when ignored (so a naive handler on several of them sees it twice), and
// outside a QDialog a default button reacts to Enter only when focused.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace formkit {

class KeyRouter : public QObject {
    Q_OBJECT

public:
    using KeyHandler = std::function<void(QObject *sender, char &key)>;

    // The window and the controls whose characters go to the handler; the
    // default button, if any, is clicked by Enter without Shift, Ctrl or Alt.
    KeyRouter(QWidget *window, const QList<QWidget *> &controls, QAbstractButton *defaultButton,
              KeyHandler handler);

    // Hands the window's focus to the window itself, so that keystrokes keep
    // arriving when the control that held it is about to be disabled.
    void parkFocusOnWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKeyPress(QObject *watched, QKeyEvent *event);
    bool ignoresPlainText(QObject *receiver) const;
    static bool isPlainText(const QString &text, Qt::KeyboardModifiers modifiers);
    void focusFirstTabStop();

    QWidget *m_window;
    QPointer<QAbstractButton> m_defaultButton;
    KeyHandler m_handler;
};

} // namespace formkit
