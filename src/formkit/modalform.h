// A window shown modally, the way the game's about box behaves: Escape does
// nothing (a QDialog would close), a window that was shown once comes back
// where it was last, not centred again, and when it closes the window that
// was active before it is active again, with or without a window manager.
#pragma once

#include <QDialog>

namespace formkit {

class ModalForm : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    int exec() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

} // namespace formkit
