// An error raised by the operating system inside an event handler. Handlers run
// inside guarded(), which reports it and lets the program go on.
#pragma once

#include <stdexcept>

namespace os {

class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error; // message in UTF-8
};

} // namespace os
