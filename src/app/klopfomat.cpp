// The program's main block: the application's settings, the three windows
// in their fixed order (the first is the main window), then the run loop
// until the main window's close is confirmed or the session ends.
#include "startup.h"

#include "formkit/closeaction.h"
#include "formkit/formowner.h"
#include "forms/main.h"
#include "os/process.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    auto app = os::openApplication(argc, argv);
    startup::configureApplication();
    os::quitOnSessionEnd(*app, formkit::quitApplication);

    formkit::FormOwner forms;
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
