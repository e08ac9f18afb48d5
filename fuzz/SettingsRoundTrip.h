#pragma once

#include <QByteArray>

#include <optional>
#include <string>

namespace vt::fuzz {

// Takes `bytes` as the settings file, reads every key the program knows, writes values derived from the
// bytes back and commits. Returns what went wrong: a value that does not read back as written, a key not
// written that reads otherwise than before, a line of the old text that did not stay as it was, or a
// line added that the writes do not explain. Nothing when all held.
std::optional<std::string> settingsRoundTripFault(const QByteArray& bytes);

} // namespace vt::fuzz
