#include "startup.h"

#include "platform/formowner.h"
#include "platform/shell.h"
#include "resources/mainicon.h"
#include "windows/hilfe.h"
#include "windows/info.h"
#include "windows/main.h"

#include <QApplication>

namespace startup {

void configureApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Klopfomat"));
    // Lets Wayland desktops match the windows to the installed launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.klopfomat"));
    QApplication::setWindowIcon(mainIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    platform::substituteDesignFonts();
}

void createWindows(platform::FormOwner &forms)
{
    forms.createForm(F_Main);
    forms.createForm(F_Info);
    forms.createForm(F_Hilfe);
}

} // namespace startup
