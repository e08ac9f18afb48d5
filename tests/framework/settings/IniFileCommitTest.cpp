#include "support/IniTestSupport.h"

namespace vt {
namespace {

QString refusal(const QString& key, const QString& path, const char* reason) {
    return "Impossible d'écrire la clé " + key + " dans " + path + " : " + reason;
}

TEST_F(IniFileTest, ValueWithLineBreakIsRefusedAndTheOthersWritten) {
    const struct {
        QString value;
        const char* reason;
    } cases[] = {
        {"a\nk=injecté", "la valeur contient un saut de ligne"},
        {"a\rb", "la valeur contient un saut de ligne"},
        {QString("a") + QChar::Null, "la valeur contient un caractère nul"},
    };
    for (const auto& c : cases) {
        put("[A]\nbad=ancien\n");
        IniFile ini(path, store);
        ini.writeInteger("A", "ok", 1);
        ini.writeString("A", "bad", c.value);
        ini.writeInteger("B", "ok2", 2);
        EXPECT_EQ(failureOf([&] { ini.commit(); }), refusal("A/bad", path, c.reason));
        EXPECT_EQ(bytes(), "[A]\nbad=ancien\nok=1\n\n[B]\nok2=2\n");
    }
}

TEST_F(IniFileTest, NamesThatWouldBreakTheFileAreRefused) {
    const struct {
        QString section;
        QString key;
    } cases[] = {
        {"", "k"},
        {" A", "k"},
        {"A\t", "k"},
        {"A]", "k"},
        {"A=B", "k"},
        {"A\nB", "k"},
        {QString(QChar::Null), "k"},
        {"A", ""},
        {"A", " k"},
        {"A", "k "},
        {"A", "k=v"},
        {"A", "k]"},
        {"A", ";k"},
        {"A", "#k"},
        {"A", "k\r"},
    };
    for (const auto& c : cases) {
        IniFile ini(path, store);
        ini.writeString(c.section, c.key, "v");
        EXPECT_EQ(ini.readString(c.section, c.key, "?"), "?");
        EXPECT_EQ(
            failureOf([&] { ini.commit(); }),
            refusal(c.section + "/" + c.key, path, "le nom de la section ou de la clé n'est pas valable"));
        EXPECT_EQ(store.replacements, 0);
    }
}

TEST_F(IniFileTest, NothingToWriteTouchesNothing) {
    {
        IniFile ini(path, store);
        ini.commit();
        ini.writeInteger("A", "x", 1); // dropped: never committed
    }
    EXPECT_EQ(store.replacements, 0);
    EXPECT_EQ(store.file, std::nullopt);

    IniFile ini(path, store);
    ini.writeInteger("A", "x", 1);
    ini.commit();
    ini.commit();
    EXPECT_EQ(store.replacements, 1);
    EXPECT_EQ(bytes(), "[A]\nx=1\n");
    EXPECT_EQ(ini.readInteger("A", "x", 0), 1); // and reads still see it
}

TEST_F(IniFileTest, FailedCommitWritesNoneOfItsKeysAndCanBeRetried) {
    put("[A]\nx=1\n");
    store.failing = true;
    IniFile ini(path, store);
    ini.writeInteger("A", "x", 2);
    ini.writeInteger("B", "y", 3);
    ini.writeString("A", "bad", "a\nb");
    EXPECT_EQ(failureOf([&] { ini.commit(); }), "Impossible d'écrire dans " + path);
    EXPECT_EQ(bytes(), "[A]\nx=1\n");
    store.failing = false;
    EXPECT_THROW(ini.commit(), Failure); // the refusal is still reported
    EXPECT_EQ(bytes(), "[A]\nx=2\n\n[B]\ny=3\n");
}

// Replacing a file whose contents could not be read would lose them.
TEST_F(IniFileTest, UnreadableFileGivesDefaultsAndIsNotReplaced) {
    put("[A]\nx=1\n");
    store.unreadable = true;
    IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("A", "x", 7), 7);
    ini.writeInteger("A", "y", 2);
    EXPECT_EQ(failureOf([&] { ini.commit(); }), "Impossible d'écrire dans " + path);
    EXPECT_EQ(store.replacements, 0);
}

} // namespace
} // namespace vt
