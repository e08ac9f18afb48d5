#include "ExitHook.h"

#include <cstdlib>
#include <utility>

namespace vt {

namespace {

std::function<void()> pending;

void runPending() {
    if (auto work = std::exchange(pending, nullptr)) work();
}

} // namespace

ExitHook::ExitHook(std::function<void()> work) {
    static const bool registered = std::atexit(runPending) == 0;
    (void)registered;
    pending = std::move(work);
}

ExitHook::~ExitHook() { pending = nullptr; }

} // namespace vt
