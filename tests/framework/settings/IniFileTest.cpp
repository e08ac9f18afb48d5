#include "support/IniTestSupport.h"

#include <limits>

namespace vt {
namespace {

constexpr qint32 fallback = -77;

TEST_F(IniFileTest, IntegersAreDecimalOrHexadecimalPatterns) {
    const struct {
        const char* text;
        qint32 expected;
    } cases[] = {
        {"0", 0},
        {"250", 250},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"  42\t", 42},
        {"\"12\"", 12},
        {"2147483647", std::numeric_limits<qint32>::max()},
        {"-2147483648", std::numeric_limits<qint32>::min()},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$10", 16},
        {"$8000000F", -2147483633},
        {"$FFFFFFFF", -1},
        {"0x00000001", 1},
        // Anything else gives the default.
        {"", fallback},
        {"yes", fallback},
        {"12abc", fallback},
        {"1.5", fallback},
        {"4 2", fallback},
        {"2147483648", fallback},
        {"-2147483649", fallback},
        {"99999999999999999999", fallback},
        {"$123456789", fallback},
        {"$", fallback},
        {"0x", fallback},
        {"$G", fallback},
        {"0x-1", fallback},
        {"-", fallback},
        {"+-5", fallback},
        {"- 5", fallback},
        {"-$10", fallback},
        {"\" 12\"", fallback},
        {"٣", fallback},
    };
    for (const auto& c : cases) {
        put(QByteArray("[S]\nk=") + c.text + "\n");
        const IniFile ini(path, store);
        EXPECT_EQ(ini.readInteger("S", "k", fallback), c.expected) << c.text;
    }
}

TEST_F(IniFileTest, BooleansAreIntegersAndAnyNonZeroIsTrue) {
    const struct {
        const char* text;
        std::optional<bool> expected; // nullopt: the default
    } cases[] = {
        {"1", true},           {"0", false},           {"2", true},
        {"-1", true},          {"$10", true},          {"0x0", false},
        {"yes", std::nullopt}, {"true", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases) {
        put(QByteArray("[S]\nk=") + c.text + "\n");
        const IniFile ini(path, store);
        EXPECT_EQ(ini.readBool("S", "k", false), c.expected.value_or(false)) << c.text;
        EXPECT_EQ(ini.readBool("S", "k", true), c.expected.value_or(true)) << c.text;
    }
}

TEST_F(IniFileTest, MissingKeysAndSectionsGiveTheDefault) {
    put("[S]\nk=1\n");
    const IniFile ini(path, store);
    EXPECT_EQ(ini.readString("S", "autre", "défaut"), "défaut");
    EXPECT_EQ(ini.readString("T", "k", "défaut"), "défaut");
    EXPECT_EQ(ini.readInteger("T", "k", 5), 5);
    EXPECT_TRUE(ini.readBool("T", "k", true));
}

TEST_F(IniFileTest, NumbersAreWrittenInDecimal) {
    const QByteArray text = rewritten("", [](IniFile& ini) {
        ini.writeInteger("S", "a", -5);
        ini.writeInteger("S", "b", 250);
        ini.writeInteger("S", "c", -2147483633);
        ini.writeBool("S", "d", true);
        ini.writeBool("S", "e", false);
    });
    EXPECT_EQ(text, "[S]\na=-5\nb=250\nc=-2147483633\nd=1\ne=0\n");
}

TEST_F(IniFileTest, StringsAreCutAt2047CharactersKeepingSurrogatePairs) {
    const QString smiley = QString::fromUtf8("😀");
    const struct {
        QString value;
        QString expected;
    } cases[] = {
        {QString(2047, 'a'), QString(2047, 'a')},
        {QString(2048, 'a'), QString(2047, 'a')},
        {QString(2046, 'a') + smiley, QString(2046, 'a')},
        {QString(2045, 'a') + smiley + "b", QString(2045, 'a') + smiley},
    };
    for (const auto& c : cases) {
        put("[S]\nk=" + c.value.toUtf8() + "\n");
        const IniFile ini(path, store);
        EXPECT_EQ(ini.readString("S", "k", ""), c.expected) << c.value.size();
    }
}

TEST_F(IniFileTest, StringsRoundTripExactly) {
    const QString values[] = {
        "",
        " avant",
        "après ",
        "\t",
        " ",
        "\"",
        "\"\"",
        "\"entre\"",
        "a\"b",
        "\"a",
        "b\"",
        " \" ",
        "x = y",
        "a=b=c",
        "[pas une section]",
        ";pas un commentaire",
        "#",
        "é€😀",
        "$10",
        "\f\v",
        QString(3000, 'z'),
    };
    for (const QString& value : values) {
        store.file.reset();
        const QString expected = value.left(2047);
        IniFile writer(path, store);
        writer.writeString("S", "k", value);
        EXPECT_EQ(writer.readString("S", "k", "?"), expected) << value.toStdString();
        writer.commit();
        const IniFile reader(path, store);
        EXPECT_EQ(reader.readString("S", "k", "?"), expected) << value.toStdString();
    }
}

TEST_F(IniFileTest, BlanksAndQuotesAroundValuesAreDroppedOnRead) {
    put("  [ Heure ]  \n\tFormat\t=\t 24 \t\nNom = \" x \" \nVide=\nGuillemets=\"\"\nSeul=\"\n");
    const IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("Heure", "Format", 0), 24);
    EXPECT_EQ(ini.readString("Heure", "Nom", "?"), " x ");
    EXPECT_EQ(ini.readString("Heure", "Vide", "?"), "");
    EXPECT_EQ(ini.readString("Heure", "Guillemets", "?"), "");
    EXPECT_EQ(ini.readString("Heure", "Seul", "?"), "\"");
}

TEST_F(IniFileTest, ReadsSeeTheObjectsOwnWrites) {
    put("[Heure]\nFormat=12\n");
    IniFile ini(path, store);
    ini.writeInteger("HEURE", "format", 24);
    ini.writeString("Neuve", "Nom", "x");
    ini.writeString("Neuve", "NOM", "y");
    EXPECT_EQ(ini.readInteger("Heure", "Format", 0), 24);
    EXPECT_EQ(ini.readString("neuve", "nom", "?"), "y");
    EXPECT_EQ(bytes(), "[Heure]\nFormat=12\n");
}

} // namespace
} // namespace vt
