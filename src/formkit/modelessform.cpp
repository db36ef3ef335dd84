#include "modelessform.h"

#include <QCloseEvent>

namespace formkit {

ModelessForm::ModelessForm(QWidget *parent) : QWidget(parent, Qt::Window) {}

void ModelessForm::closeEvent(QCloseEvent *event)
{
    // Refusing the close keeps the native window; hiding is all a close does.
    event->ignore();
    hide();
}

} // namespace formkit
