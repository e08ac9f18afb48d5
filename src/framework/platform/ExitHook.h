#pragma once

#include <functional>

namespace vt {

// Work for the moment a library ends the process itself with exit() (Qt does when the connection to the
// display breaks), while this object lives.
class ExitHook {
public:
    explicit ExitHook(std::function<void()> work);
    ~ExitHook();
    ExitHook(const ExitHook&) = delete;
    ExitHook& operator=(const ExitHook&) = delete;
};

} // namespace vt
