#include "mainicon.h"

#include <QSize>

QIcon mainIcon()
{
    // The window icon: the sizes a title bar and a task bar use. The larger
    // ones go to the desktop's icon theme with the launcher instead; every
    // size given here is loaded and sent to the window system at start-up.
    QIcon icon;
    for (int size : {32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/klopfomat-%1.png").arg(size), QSize(size, size));
    return icon;
}
