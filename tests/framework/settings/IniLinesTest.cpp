#include "support/IniTestSupport.h"

namespace vt {
namespace {

// A blank line separates the sections the layer adds.
TEST_F(IniFileTest, WritesFromNothingMakeSectionsInOrderOfFirstWrite) {
    IniFile ini(path, store);
    ini.writeInteger("Heure", "Format", 12);
    ini.writeBool("Alarme", "Active", false);
    ini.writeBool("heure", "Seconde", true);
    ini.writeString("Alarme", "Son", "a.wav");
    ini.writeInteger("HEURE", "FORMAT", 24);
    ini.commit();
    EXPECT_EQ(bytes(), "[Heure]\nFormat=24\nSeconde=1\n\n[Alarme]\nActive=0\nSon=a.wav\n");
}

TEST_F(IniFileTest, NamesIgnoreCaseAndKeepTheFilesSpelling) {
    put("[Réveil]\nFORMAT=12\n");
    IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("RÉVEIL", "format", 0), 12);
    ini.writeInteger("réveil", "Format", 24);
    ini.commit();
    EXPECT_EQ(bytes(), "[Réveil]\nFORMAT=24\n");
}

TEST_F(IniFileTest, WritesLeaveEveryOtherLineAsItWas) {
    const QByteArray before = "; Vantorel\n"
                              "\n"
                              "[Heure]\n"
                              "  Format = 12  \n"
                              "Inconnue=x\n"
                              "ligne sans égal\n"
                              "[pas fermée\n"
                              "=sans nom\n"
                              "\n"
                              "[Autre]\n"
                              "k=v\n"
                              "\t\n"
                              "\n";
    const QByteArray after = rewritten(before, [](IniFile& ini) {
        ini.writeInteger("Heure", "Format", 24);
        ini.writeString("Heure", "Nouvelle", "oui");
        ini.writeString("Neuve", "a", "1");
        ini.writeString("Autre", "k2", "w");
    });
    EXPECT_EQ(after, "; Vantorel\n"
                     "\n"
                     "[Heure]\n"
                     "  Format = 24\n"
                     "Inconnue=x\n"
                     "ligne sans égal\n"
                     "[pas fermée\n"
                     "=sans nom\n"
                     "Nouvelle=oui\n"
                     "\n"
                     "[Autre]\n"
                     "k=v\n"
                     "k2=w\n"
                     "\n"
                     "[Neuve]\n"
                     "a=1\n"
                     "\t\n"
                     "\n");
}

TEST_F(IniFileTest, CommentsAndLinesOutsideSectionsAreNotKeys) {
    put("k=0\n[S]\n;k=1\n#k=2\n  ; j=3\nk=4\n");
    const IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("S", "k", -1), 4);
    EXPECT_EQ(ini.readInteger("S", "j", -1), -1);
    EXPECT_EQ(ini.readInteger("S", ";k", -1), -1);
    EXPECT_EQ(ini.readInteger("S", "#k", -1), -1);
}

TEST_F(IniFileTest, CrlfFilesReadAlikeAndKeepTheirLineEnding) {
    put("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    IniFile ini(path, store);
    EXPECT_EQ(ini.readString("A", "x", "?"), "1");
    ini.writeInteger("A", "x", 5);
    ini.writeInteger("A", "z", 6);
    ini.writeInteger("C", "w", 7);
    ini.commit();
    EXPECT_EQ(bytes(), "[A]\r\nx=5\r\nz=6\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nw=7\r\n");
}

TEST_F(IniFileTest, LastLineWithoutLineBreak) {
    EXPECT_EQ(rewritten("[A]\nx=1", [](IniFile& ini) { ini.writeInteger("A", "x", 3); }), "[A]\nx=3");
    EXPECT_EQ(rewritten("[A]\nx=1", [](IniFile& ini) { ini.writeInteger("A", "y", 2); }), "[A]\nx=1\ny=2\n");
    EXPECT_EQ(rewritten("\n\n", [](IniFile& ini) { ini.writeInteger("A", "y", 2); }), "[A]\ny=2\n\n\n");
}

// Only the first of duplicated sections counts; only the first of duplicated keys.
TEST_F(IniFileTest, DuplicatesTheFirstOneWinsAndTakesTheWrite) {
    put("[A]\nx=1\nx=2\n[B]\n[a]\nx=3\ny=4\n");
    IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.readInteger("A", "y", 0), 0);
    ini.writeInteger("A", "x", 9);
    ini.writeInteger("A", "y", 8);
    ini.commit();
    EXPECT_EQ(bytes(), "[A]\nx=9\nx=2\ny=8\n[B]\n[a]\nx=3\ny=4\n");
}

TEST_F(IniFileTest, InvalidUtf8IsReadAsWindows1252) {
    const struct {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"\xE9", "é"},
        {"\x80", "€"},
        {"\x8C", "Œ"},
        {"\x9C", "œ"},
        {"\x9F", "Ÿ"},
        {"\x93\x94", "“”"},
        {"\x81", QString(QChar(0x81))},
        {"\xA0", QString(QChar(0xA0))},
        {"\xFF", "ÿ"},
        {"caf\xC3", "cafÃ"}, // a UTF-8 sequence cut at the end of the file
    };
    for (const auto& c : cases) {
        put("[S]\nk=" + c.bytes);
        const IniFile ini(path, store);
        EXPECT_EQ(ini.readString("S", "k", "?"), c.expected) << c.bytes.toHex().toStdString();
    }
}

TEST_F(IniFileTest, FirstWriteConvertsAWindows1252FileToUtf8) {
    put("; \xC9t\xE9\n[R\xE9veil]\nNom=Caf\xE9 \x80\n");
    IniFile ini(path, store);
    EXPECT_EQ(ini.readString("Réveil", "Nom", "?"), "Café €");
    ini.writeBool("Réveil", "Actif", true);
    ini.commit();
    EXPECT_EQ(bytes(), "; Été\n[Réveil]\nNom=Café €\nActif=1\n");
}

TEST_F(IniFileTest, AStrayByteSpoilsNothingOutsideItsOwnLine) {
    put("; vieux commentaire caf\xE9\n[alarme]\ntextmessage=R\xC3\xA9veil \xF0\x9F\x98\x80\n");
    IniFile ini(path, store);
    EXPECT_EQ(ini.readString("alarme", "textmessage", "?"), "Réveil 😀");
    ini.writeBool("alarme", "message", true);
    ini.commit();
    EXPECT_EQ(bytes(), "; vieux commentaire café\n[alarme]\ntextmessage=Réveil 😀\nmessage=1\n");
}

TEST_F(IniFileTest, Utf8AndItsBomAreKept) {
    const QByteArray before = "\xEF\xBB\xBF[S]\nk=é€😀\n\xEF\xBB\xBF\n";
    put(before);
    IniFile ini(path, store);
    EXPECT_EQ(ini.readString("S", "k", "?"), "é€😀");
    ini.writeInteger("S", "j", 2);
    ini.commit();
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[S]\nk=é€😀\n\xEF\xBB\xBF\nj=2\n"); // a BOM past the start is text
}

TEST_F(IniFileTest, DamagedFilesGiveDefaultsAndCanBeWritten) {
    QByteArray garbage;
    quint32 seed = 12345;
    const char alphabet[] = {'[', ']', '=', '\n', '\r', '\0', ' ', '"', 'k', 'S', '\xC3', '\xFF'};
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += (seed >> 16) % 3 ? alphabet[(seed >> 8) % sizeof alphabet] : char(seed >> 24);
    }
    const QByteArray inputs[] = {garbage, QByteArray(1000, '\0'), QByteArray(1 << 20, 'x'),
                                 QByteArray(1 << 20, '['), QByteArray(1 << 18, '\n')};
    for (const QByteArray& input : inputs) {
        put(input);
        IniFile ini(path, store);
        EXPECT_EQ(ini.readString("Vantorel", "Absente", "défaut"), "défaut");
        ini.writeInteger("Vantorel", "Absente", 1);
        ini.commit();
        EXPECT_EQ(IniFile(path, store).readInteger("Vantorel", "Absente", 0), 1)
            << input.left(20).toHex().toStdString();
    }
}

TEST_F(IniFileTest, BigFilesStillReadAndWriteEveryValue) {
    QByteArray text;
    for (int i = 0; i < 100000; ++i)
        text += "[S" + QByteArray::number(i) + "]\nk=" + QByteArray::number(i) + "\n";
    text += "[Long]\nv=" + QByteArray(1 << 20, 'x') + "\nk=1\n";
    put(text);
    IniFile ini(path, store);
    EXPECT_EQ(ini.readInteger("S0", "k", -1), 0);
    EXPECT_EQ(ini.readInteger("s99999", "K", -1), 99999);
    EXPECT_EQ(ini.readInteger("S5", "absente", -1), -1);
    EXPECT_EQ(ini.readString("Long", "v", "").size(), 2047);
    EXPECT_EQ(ini.readInteger("Long", "k", -1), 1);
    ini.writeInteger("S50000", "k", -1);
    ini.writeInteger("Fin", "k", 2);
    ini.commit();
    const QByteArray expected =
        text.replace("\n[S50000]\nk=50000\n", "\n[S50000]\nk=-1\n") + "\n[Fin]\nk=2\n";
    EXPECT_TRUE(bytes() == expected); // not EXPECT_EQ, which would print megabytes
}

} // namespace
} // namespace vt
