// Process-level services the main block needs from the desktop: starting
// without a crash when no display can be opened, and ending at once, without
// asking, when the session ends or the process is told to terminate.
// Everything operating-system specific lives in shell.cpp.
#pragma once

#include <memory>

class QApplication;

namespace platform {

// Constructs the application. If no display can be opened, prints one line
// saying so to standard error and ends the process with exit code 1.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);

// Asks the run loop to return, which ends the program. Tests replace what
// it does, since a real quit would also end every later modal loop of the
// test process.
void quitApplication();
void setQuitHandlerForTesting(void (*handler)());

// Maps the face the windows were designed with ("MS Sans Serif") onto faces
// found on this desktop.
void substituteDesignFonts();

// From now on SIGTERM, SIGHUP and the session manager's end-of-session
// request make the run loop return, without any question to the user.
void quitOnSessionEnd(QApplication &app);

} // namespace platform
