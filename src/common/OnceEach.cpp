#include "OnceEach.h"

bool OnceEach::firstTime(qint64 instant) {
    if (!seen.insert(instant).second) return false;
    constexpr std::size_t kept = 25;
    if (seen.size() > kept) seen.erase(seen.begin());
    return true;
}
