#include "messagebuttons.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

namespace formkit {

void centreButtonsInTheirOrder(QMessageBox &box, const QList<QAbstractButton *> &leftToRight)
{
    // Within one role a button box keeps the order of insertion, so every
    // button is given the same role; the answer is read off clickedButton(),
    // never off the role, and default and escape buttons are set by name.
    auto *row = box.findChild<QDialogButtonBox *>();
    if (!row)
        return;
    if (leftToRight.size() > 1) // a single button keeps its standard role
        for (QAbstractButton *button : leftToRight) {
            row->removeButton(button);
            row->addButton(button, QDialogButtonBox::ActionRole);
        }
    row->setCenterButtons(true);
}

} // namespace formkit
