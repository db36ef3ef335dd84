// The program's main block: title, the three windows in their fixed order
// (the first is the main window), then the run loop until the main window's
// close is confirmed or the session ends.
#include "platform/formowner.h"
#include "platform/shell.h"
#include "resources/mainicon.h"
#include "windows/hilfe.h"
#include "windows/info.h"
#include "windows/main.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    auto app = platform::openApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Klopfomat"));
    // Lets Wayland desktops match the windows to the installed launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.klopfomat"));
    QApplication::setWindowIcon(mainIcon()); // every window shows it
    // Only a confirmed close of the main window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::substituteDesignFonts();
    platform::quitOnSessionEnd(*app);

    platform::FormOwner forms;
    try {
        forms.createForm(F_Main);
        forms.createForm(F_Info);
        forms.createForm(F_Hilfe);
    } catch (const std::exception &error) {
        // Without its windows the program cannot run: say why and stop.
        std::fprintf(stderr, "Klopfomat: the windows could not be created: %s\n", error.what());
        return 1;
    }
    F_Main->show();
    QApplication::exec();
    return 0;
}
