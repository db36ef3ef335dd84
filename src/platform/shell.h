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

// Maps the face the windows were designed with ("MS Sans Serif") onto faces
// found on this desktop.
void substituteDesignFonts();

// From now on SIGTERM, SIGHUP and the session manager's end-of-session
// request make the run loop return, without any question to the user.
void quitOnSessionEnd(QApplication &app);

} // namespace platform
