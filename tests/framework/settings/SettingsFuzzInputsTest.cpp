#include "SettingsRoundTrip.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

// The fuzzer's seeds and the inputs it once failed on, under the same check the fuzzer makes.
QStringList inputsIn(const char* folder) {
    QStringList files;
    const QDir dir(QStringLiteral(VANTOREL_FUZZ_DIR "/") + folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

void expectRoundTrips(const QStringList& files) {
    for (const QString& file : files) {
        QFile input(file);
        ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << file.toStdString();
        const std::optional<std::string> fault = vt::fuzz::settingsRoundTripFault(input.readAll());
        EXPECT_FALSE(fault.has_value()) << file.toStdString() << ": " << fault.value_or("");
    }
}

TEST(SettingsFuzzInputs, EverySeedReadsAndRewritesAsItShould) {
    const QStringList files = inputsIn("corpus");
    ASSERT_GE(files.size(), 10); // a missing folder would pass with nothing checked
    expectRoundTrips(files);
}

TEST(SettingsFuzzInputs, EveryInputTheFuzzerFailedOnNowPasses) {
    const QStringList files = inputsIn("regressions");
    ASSERT_FALSE(files.isEmpty());
    expectRoundTrips(files);
}

} // namespace
