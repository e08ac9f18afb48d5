#include "common/SettingsKeys.h"
#include "support/Printers.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The fuzzer and the tests go over keys::all: a key declared but left out of it would escape them.
TEST(SettingsKeys, EveryDeclaredKeyIsInTheListOfAllKeys) {
    QFile header(QStringLiteral(VANTOREL_TESTS_DIR "/../src/common/SettingsKeys.h"));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QRegularExpression declaration(
        QString::fromUtf8(R"re(constexpr (?:Integer|Bool|Text|Path)Setting \w+\{"(\w+)", "(\w+)")re"));
    QStringList declared, listed;
    for (const auto& match : declaration.globalMatch(QString::fromUtf8(header.readAll())))
        declared << match.captured(1) + '/' + match.captured(2);
    for (const vt::SettingName& name : keys::all)
        listed << QString::fromUtf8(name.section) + '/' + QString::fromUtf8(name.key);
    declared.sort();
    listed.sort();
    EXPECT_EQ(declared, listed);
}

} // namespace
