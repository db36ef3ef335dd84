// The buttons of the game's message boxes stand in the order they were added,
// left to right, centred below the message, on every desktop. Qt orders a
// box's buttons by their roles after the desktop's convention (GNOME puts
// "No" before "Yes") and puts them at the right.
#pragma once

#include <QList>

class QAbstractButton;
class QMessageBox;

namespace formkit {

// Puts the box's buttons in the order given. Call after the last button is
// added, before the default and escape buttons are set.
void centreButtonsInTheirOrder(QMessageBox &box, const QList<QAbstractButton *> &leftToRight);

} // namespace formkit
