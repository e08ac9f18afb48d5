#include "support/WindowsFixture.h"

#include "alarm/Unit8.h"
#include "countdown/Unit5.h"
#include "shell/Unit1.h"
#include "stopwatch/Unit3.h"

#include <QFile>

#include <optional>

namespace {

class MainWindowSettings : public WindowsFixture {
protected:
    QByteArray settingsText() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(MainWindowSettings, AFirstExitWritesTheNineteenKeysInOrderWithTheirDefaults) {
    windows->tearDown();
    const QString folder = fakes.folder.path();
    EXPECT_EQ(QString::fromUtf8(settingsText()), "[option]\n"
                                                 "vibreur=250\n"
                                                 "couleurfond=-2147483633\n"
                                                 "cloche=" +
                                                     folder +
                                                     "ding.wav\n"
                                                     "fontname=Arial\n"
                                                     "fontcolor=-2147483640\n"
                                                     "fontsize=8\n"
                                                     "\n"
                                                     "[alarme]\n"
                                                     "son=" +
                                                     folder +
                                                     "alarme1.wav\n"
                                                     "fichier=" +
                                                     folder +
                                                     "alarme1.wav\n"
                                                     "heure=0\n"
                                                     "minute=0\n"
                                                     "active=0\n"
                                                     "sonnerieson=0\n"
                                                     "\n"
                                                     "[chrono]\n"
                                                     "heurepass=0\n"
                                                     "minpass=0\n"
                                                     "secpass=0\n"
                                                     "millipass=0\n"
                                                     "\n"
                                                     "[rebours]\n"
                                                     "heure=0\n"
                                                     "minute=0\n"
                                                     "seconde=0\n");
}

TEST_F(MainWindowSettings, AHandEditedFileStartsAsItsValuesSay) {
    restart("[OPTION]\nVibreur = 0x1F\ncouleurfond=$0000FF\nfontsize=20\n"
            "[alarme]\nactive=2\nsonnerieson=yes\nheure=7\nminute=30\n");
    EXPECT_EQ(Form1->ShakeCount, 31);
    EXPECT_EQ(Form1->BackColor, 0x0000FF);
    EXPECT_TRUE(Form1->AlarmOn);
    EXPECT_FALSE(Form1->AlarmPlaysSound);
    EXPECT_EQ(Form1->AlarmHour, 7);
    EXPECT_EQ(Form1->AlarmMinute, 30);
    for (vt::Label* label : {Form1->Label1, Form1->Label2, Form1->Label3}) {
        EXPECT_EQ(label->fontValue().pointSize, 20);
        EXPECT_EQ(label->fontValue().family, "Arial");
        EXPECT_EQ(label->fontValue().color, vt::clWindowText);
    }
    windows->tearDown();
    const QByteArray saved = settingsText();
    EXPECT_TRUE(saved.startsWith("[OPTION]\nVibreur = 31\ncouleurfond=255\nfontsize=20\n"))
        << saved.constData();
}

TEST_F(MainWindowSettings, AFontSizeOutOfRangeIsTakenAtTheNearerBound) {
    for (const auto& [stored, applied] : {std::pair{"900", 500}, {"0", 1}, {"-4", 1}}) {
        restart(QByteArray("[option]\nfontsize=") + stored + "\n");
        EXPECT_EQ(Form1->Label1->fontValue().pointSize, applied) << stored;
    }
}

TEST_F(MainWindowSettings, ValuesSurviveARestart) {
    Form1->ShakeCount = 0;
    Form1->BackColor = 0x123456;
    Form1->AlarmHour = 23;
    Form1->AlarmMinute = 59;
    Form1->ChimeSound = " /chemin/avec blancs \"cités\" ";
    Form3->Hours = 123;
    Form5->Hours = 786431;
    vt::FontValue font = Form1->Label1->fontValue();
    font.family = "Liberation Serif";
    font.color = 0x00FF00;
    font.bold = true;
    Form1->ChosenFont = font; // chosen in the options, not yet shown: no activation came since
    restart();
    EXPECT_EQ(Form1->ShakeCount, 0);
    EXPECT_EQ(Form1->BackColor, 0x123456);
    EXPECT_EQ(Form1->AlarmHour, 23);
    EXPECT_EQ(Form1->AlarmMinute, 59);
    EXPECT_EQ(Form1->ChimeSound, " /chemin/avec blancs \"cités\" ");
    EXPECT_EQ(Form1->Label3->fontValue().family, "Liberation Serif");
    EXPECT_EQ(Form1->Label3->fontValue().color, 0x00FF00);
    EXPECT_FALSE(Form1->Label1->fontValue().bold); // the style isn't kept
}

TEST_F(MainWindowSettings, AFailedExitWriteIsReportedAndLeavesTheOldFileAsItWas) {
    restart("; mes réglages\n[option]\nvibreur=3\n");
    fakes.disk.unwritable = true;
    windows->tearDown();
    EXPECT_EQ(fakes.boxes.texts(), QStringList({"Impossible d'écrire dans " + settingsPath() + "."}));
    EXPECT_EQ(settingsText(), "; mes réglages\n[option]\nvibreur=3\n");
}

TEST_F(MainWindowSettings, APathThatWouldBreakTheFileLosesOnlyItself) {
    Form1->ChimeSound = "/tmp/a\n[option]\nvibreur=0";
    Form1->ShakeCount = 7;
    windows->tearDown();
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    restart();
    EXPECT_EQ(Form1->ShakeCount, 7);
    EXPECT_EQ(Form1->ChimeSound, fakes.folder.file("ding.wav"));
}

TEST_F(MainWindowSettings, TheResetWritesNothingAndTheNextCopyStartsFromDefaults) {
    restart("[option]\nvibreur=3\n");
    Form8->show(); // its hide at the teardown would write the message keys
    fakes.boxes.answers = {vt::Box::AnswerYes};
    Form1->Remisezro1Click();
    // A file that can't be written would refuse any write: nothing is tried, so nothing is said.
    fakes.disk.unwritable = true;
    windows->tearDown();
    fakes.disk.unwritable = false;
    EXPECT_EQ(fakes.boxes.shown.size(), 1u); // the question only
    windows->restartIfAsked();
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(fakes.desktop.opened, QStringList({fakes.folder.executable()}));
    restart();
    EXPECT_EQ(Form1->ShakeCount, 250);
}

TEST_F(MainWindowSettings, ADamagedFileGivesTheDefaultsAndTheProgramStarts) {
    QByteArray garbage(200000, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    restart(garbage);
    EXPECT_EQ(Form1->ShakeCount, 250);
    EXPECT_EQ(settingsText(), garbage); // reading changed nothing
    windows->tearDown();
    EXPECT_EQ(fakes.boxes.shown.size(), 0u);
}

} // namespace
