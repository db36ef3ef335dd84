// A window shown modally, the way the game's about box behaves: Escape does
// nothing (a QDialog would close), and a window that was shown once comes
// back where it was last, not centred again.
#pragma once

#include <QDialog>

namespace platform {

class ModalForm : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

} // namespace platform
