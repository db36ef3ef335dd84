#include "confirmation.h"

#include "messagebuttons.h"

#include <QMessageBox>
#include <QPushButton>

namespace formkit {

namespace {
bool (*g_replacement)(const QString &) = nullptr;
}

bool confirm(const QString &message)
{
    if (g_replacement)
        return g_replacement(message);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), message);
    box.setObjectName(QStringLiteral("Confirmation"));
    QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    yes->setObjectName(QStringLiteral("Ja"));
    no->setObjectName(QStringLiteral("Nein"));
    centreButtonsInTheirOrder(box, {yes, no});
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void replaceConfirmationForTesting(bool (*confirmation)(const QString &))
{
    g_replacement = confirmation;
}

} // namespace formkit
