#include "common/SettingsKeys.h"
#include "support/Fakes.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class SettingsOwner : public ::testing::Test {
protected:
    Fakes fakes;
    vt::Settings& settings = fakes.settings;
    QString cantWrite = "Impossible d'écrire dans " + settings.path() + ".";

    void writeChime(const QString& path) {
        vt::PendingReports reports(fakes.report);
        settings.write(
            [&](vt::IniFile& ini) {
                ini.write(keys::shakeCount, 3);
                ini.write(keys::chimeSound, path);
            },
            reports);
    }
    void put(const QByteArray& bytes) {
        QFile file(settings.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray fileHash() const {
        QFile file(settings.path());
        return file.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                   : QByteArray();
    }
};

TEST_F(SettingsOwner, EachFailureIsSaidOnceAndAgainOnlyAfterAWriteWentThrough) {
    const QString refused = "Impossible d'écrire la clé option/cloche dans " + settings.path() +
                            " : la valeur contient un saut de ligne.";
    const struct {
        const char* chime;
        bool unwritable;
        QStringList said;
    } steps[] = {
        {"/a\nb", false, {refused}}, // a file dialog can return such a name
        {"/a\nb", false, {}},
        {"/a\nb", true, {cantWrite}}, // the disk is full now: other news
        {"/a\nb", true, {}},
        {"/a\nb", false, {}},
        {"/son.wav", false, {}}, // this one goes through
        {"/son.wav", true, {cantWrite}},
        {"/a\nb", false, {refused}},
    };
    for (const auto& step : steps) {
        fakes.boxes.shown.clear();
        fakes.disk.unwritable = step.unwritable;
        writeChime(step.chime);
        EXPECT_EQ(fakes.boxes.texts(), step.said) << qPrintable(step.chime) << " " << step.unwritable;
    }
}

TEST_F(SettingsOwner, ReadsShareOneParseUntilTheFileChanges) {
    put("[option]\nvibreur=3\n");
    EXPECT_EQ(settings.read().read(keys::shakeCount), 3);
    EXPECT_EQ(settings.read().read(keys::shakeCount), 3);
    EXPECT_EQ(fakes.disk.reads, 1);
    put("[option]\nvibreur=40\n");
    EXPECT_EQ(settings.read().read(keys::shakeCount), 40);
    writeChime("/son.wav"); // its own write is known without reading
    EXPECT_EQ(settings.read().read(keys::chimeSound, ""), "/son.wav");
    EXPECT_EQ(fakes.disk.reads, 2);
}

TEST_F(SettingsOwner, AFileTooBigIsLeftAsItIsAndSaidOnce) {
    put("[option]\nvibreur=3\n" + QByteArray(vt::largestSettingsFile, ';'));
    const QByteArray before = fileHash();
    EXPECT_EQ(settings.read().read(keys::shakeCount), 250);
    settings.sayWhyUnread();
    writeChime("/son.wav");
    settings.sayWhyUnread();
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(fakes.boxes.shown[0].text, "Le fichier " + settings.path() +
                                             " dépasse 4 Mo : Vantorel ne le lit pas et ne l'écrit pas, "
                                             "il garde ses réglages par défaut.");
    EXPECT_EQ(fileHash(), before);
}

TEST_F(SettingsOwner, WhereNothingMayBeShownNewsGoesToStandardError) {
    fakes.disk.unwritable = true;
    testing::internal::CaptureStderr();
    settings.writeQuietly([](vt::IniFile& ini) { ini.write(keys::shakeCount, 1); });
    fakes.boxes.close(); // the session ends: the report has no box either
    writeChime("/son.wav");
    fakes.disk.unwritable = false;
    writeChime("/son.wav");
    fakes.disk.unwritable = true;
    writeChime("/son.wav");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              ("vantorel : " + cantWrite + "\n").repeated(2).toStdString());
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

} // namespace
