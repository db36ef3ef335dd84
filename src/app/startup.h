// How the program starts, in one place: the application's settings and its
// three windows. The main block, the tests and the benchmark all start the
// program through it, so they run what a player runs.
#pragma once

namespace formkit {
class FormOwner;
}

namespace startup {

// Title "Klopfomat", the launcher id, the icon of every window, the faces
// that stand in for the designed one, and no end but a confirmed close.
void configureApplication();

// F_Main, F_Info and F_Hilfe, in this order: the first is the main window.
// None is shown.
void createWindows(formkit::FormOwner &forms);

} // namespace startup
