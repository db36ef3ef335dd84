// The program's main block: the application's settings, the three windows
// in their fixed order (the first is the main window), then the run loop
// until the main window's close is confirmed or the session ends.
#include "app/startup.h"
#include "platform/formowner.h"
#include "platform/shell.h"
#include "windows/main.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    auto app = platform::openApplication(argc, argv);
    startup::configureApplication();
    platform::quitOnSessionEnd(*app);

    platform::FormOwner forms;
    try {
        startup::createWindows(forms);
    } catch (const std::exception &error) {
        // Without its windows the program cannot run: say why and stop.
        std::fprintf(stderr, "Klopfomat: the windows could not be created: %s\n", error.what());
        return 1;
    }
    F_Main->show();
    QApplication::exec();
    return 0;
}
