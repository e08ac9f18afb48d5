// Any bytes as the settings file: every key the program knows reads, and values written back read back
// as written while nothing else in the file changes.
#include "SettingsRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// ASan holds back 256 MB of freed memory by default; an input frees all it takes, so less does, and the
// fuzzer stays fast and far under libFuzzer's memory limit. ASAN_OPTIONS still overrides it.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto fault = vt::fuzz::settingsRoundTripFault(bytes)) {
        std::fprintf(stderr, "settings round trip: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
