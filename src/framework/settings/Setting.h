#pragma once

#include <QtGlobal>

namespace vt {

// One key of the settings file with the kind of value it holds and what it reads as when it is absent.
struct IntegerSetting {
    const char* section;
    const char* key;
    qint32 fallback;
};

struct BoolSetting {
    const char* section;
    const char* key;
    bool fallback;
};

struct TextSetting {
    const char* section;
    const char* key;
    const char* fallback;
};

// A path that reads, when it is absent, as one of the program's data files.
struct PathSetting {
    const char* section;
    const char* key;
    const char* dataFile;
};

// A key and its kind, whatever its type: for going over every key of a table.
enum class SettingKind { Integer, Bool, Text };

struct SettingName {
    const char* section;
    const char* key;
    SettingKind kind;
};

constexpr SettingName nameOf(const IntegerSetting& s) { return {s.section, s.key, SettingKind::Integer}; }
constexpr SettingName nameOf(const BoolSetting& s) { return {s.section, s.key, SettingKind::Bool}; }
constexpr SettingName nameOf(const TextSetting& s) { return {s.section, s.key, SettingKind::Text}; }
constexpr SettingName nameOf(const PathSetting& s) { return {s.section, s.key, SettingKind::Text}; }

} // namespace vt
