// The close operation of a window: what its close handler tells it to do,
// and how closing the main window ends the application.
#pragma once

namespace formkit {

enum class CloseAction {
    caNone = 0,     // the close is abandoned
    caHide = 1,     // proposed to every close handler
    caFree = 2,
    caMinimize = 3,
};

// Asks the run loop to return, which ends the program. Tests replace what
// it does, since a real quit would also end every later modal loop of the
// test process.
void quitApplication();
void setQuitHandlerForTesting(void (*handler)());

} // namespace formkit
