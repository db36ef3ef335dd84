#include "mainicon.h"

QIcon mainIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/klopfomat-%1.png").arg(size), QSize(size, size));
    return icon;
}
