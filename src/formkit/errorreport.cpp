#include "errorreport.h"

#include "messagebuttons.h"

#include <QApplication>
#include <QMessageBox>

namespace formkit {

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() <= u'.')
        return message;
    return message + u'.';
}

void reportError(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    withFullStop(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorReport"));
    centreButtonsInTheirOrder(box, box.buttons());
    box.exec();
}

} // namespace formkit
