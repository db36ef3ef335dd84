// The process and the operating system: opening the display without a
// crash when there is none, and ending at once, without asking, when the
// session ends or the process is told to terminate. Everything specific to
// an operating system lives in this folder.
#pragma once

#include <memory>

class QApplication;

namespace os {

// Constructs the application from the program's name alone: every other
// argument is ignored. If no display can be opened, prints one line saying
// so to standard error and ends the process with exit code 1.
std::unique_ptr<QApplication> openApplication(int &argc, char **argv);

// From now on SIGTERM, SIGHUP and the session manager's end-of-session
// request call quit, without any question to the user.
void quitOnSessionEnd(QApplication &app, void (*quit)());

} // namespace os
