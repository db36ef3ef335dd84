#include "confirmation.h"

#include <QMessageBox>
#include <QPushButton>

namespace formkit {

bool confirm(const QString &message)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), message);
    box.setObjectName(QStringLiteral("Confirmation"));
    QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("Ja"));
    no->setObjectName(QStringLiteral("Nein"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace formkit
