#include "startup.h"

#include "mainicon.h"

#include "formkit/formowner.h"
#include "formkit/formsettings.h"
#include "forms/hilfe.h"
#include "forms/info.h"
#include "forms/main.h"

#include <QApplication>

namespace startup {

void configureApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Klopfomat"));
    // Lets Wayland desktops match the windows to the installed launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(KLOPFOMAT_APP_ID));
    QApplication::setWindowIcon(mainIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    formkit::substituteDesignFonts();
}

void createWindows(formkit::FormOwner &forms)
{
    forms.createForm(F_Main);
    forms.createForm(F_Info);
    forms.createForm(F_Hilfe);
}

} // namespace startup
