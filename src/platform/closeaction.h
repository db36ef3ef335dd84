// What a window's close handler tells the close operation to do.
#pragma once

namespace platform {

enum class CloseAction {
    caNone = 0,     // the close is abandoned
    caHide = 1,     // proposed to every close handler
    caFree = 2,
    caMinimize = 3,
};

} // namespace platform
