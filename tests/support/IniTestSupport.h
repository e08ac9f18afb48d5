#pragma once

#include "framework/settings/FileStore.h"
#include "framework/settings/IniFile.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Bytes percent-encoded where not plain text; internal linkage so it cannot clash with another printer.
static inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toPercentEncoding(" =[];#$\"'").toStdString() << '"';
}

namespace vt {

// The message of the Failure `action` throws.
inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.message();
    }
    return "<no failure>";
}

// The settings file in memory: the layout tests need no disk, and can make it unreadable or full.
class MemoryStore : public FileStore {
public:
    std::optional<QByteArray> read(const QString&) const override {
        return unreadable ? std::nullopt : std::optional(file.value_or(QByteArray()));
    }
    void replace(const QString& path, const QByteArray& contents) override {
        ++replacements;
        if (failing) throw cannotWrite(path);
        file = contents;
    }

    std::optional<QByteArray> file;
    bool unreadable = false;
    bool failing = false;
    int replacements = 0;
};

class IniFileTest : public ::testing::Test {
protected:
    const QString path = "/home/léa/.config/vantorel/config.ini";
    MemoryStore store;

    void put(const QByteArray& bytes) { store.file = bytes; }
    QByteArray bytes() const { return store.file.value_or("<missing>"); }
    // The file once an IniFile on `before` made the writes and committed.
    QByteArray rewritten(const QByteArray& before, const std::function<void(IniFile&)>& writes) {
        put(before);
        IniFile ini(path, store);
        writes(ini);
        ini.commit();
        return bytes();
    }
};

} // namespace vt
