#include "modalform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace formkit {

int ModalForm::exec()
{
    QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = QDialog::exec();
    if (previous && previous->isVisible())
        previous->activateWindow();
    return result;
}

void ModalForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept(); // no cancel button: nothing happens
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // QDialog places a window anew at every showing unless it counts as
    // moved; after the first placement it keeps its place.
    setAttribute(Qt::WA_Moved);
}

} // namespace formkit
