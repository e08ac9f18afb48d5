#include "support/WindowsFixture.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "options/Unit2.h"
#include "shell/Unit1.h"
#include "stopwatch/Unit3.h"

#include <QFile>

namespace {

// What the user sets or starts is in config.ini as soon as the event that did it is over.
class WriteThrough : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Form1->show();
        settle();
    }
    QString stored(const char* section, const char* key) {
        return fakes.settings.read().readString(section, key, QStringLiteral("(absent)"));
    }
    QByteArray settingsText() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void seconds(int count) { fakes.clock.advance(qint64(count) * 1000); }
    // A countdown set through its windows and started.
    void startCountdown(int minutes, int seconds) {
        Form1->Compterebours1->trigger();
        fakes.boxes.answers.push_back(vt::Box::AnswerYes);
        Form4->Button1->click();
        for (int i = 0; i < minutes; ++i)
            Form5->UpDown3->step(+1);
        for (int i = 0; i < seconds; ++i)
            Form5->UpDown4->step(+1);
        Form5->Button1->click(); // "Start"
    }
};

TEST_F(WriteThrough, EachChangeTheUserMakesIsWrittenByTheEventThatMadeIt) {
    Form1->N1->trigger();
    Form2->TrackBar1->setValue(40);
    fakes.dialogs.font = vt::FontValue{"Liberation Serif", 14, vt::clNavy};
    Form2->Button5->click();
    Form2->Button1->click(); // "OK"
    EXPECT_EQ(stored("option", "vibreur"), "40");
    EXPECT_EQ(stored("option", "fontsize"), "14"); // the font the labels take at the next activation
    EXPECT_EQ(stored("option", "fontcolor"), QString::number(vt::clNavy));

    Form1->Alarme1->trigger();
    Form6->Heuredelalarme1->trigger();
    Form7->UpDown1->step(+1);
    Form7->Button1->click(); // "OK" arms the alarm too
    EXPECT_EQ(stored("alarme", "minute"), "1");
    EXPECT_EQ(stored("alarme", "active"), "1");
    Form6->Non1->trigger();
    EXPECT_EQ(stored("alarme", "active"), "0");
    Form6->Oui1->trigger();
    EXPECT_EQ(stored("alarme", "active"), "1");

    Form6->Paramtre1->trigger();
    Form8->RadioButton1->setChecked(true);
    EXPECT_EQ(stored("alarme", "sonnerieson"), "1");
    fakes.dialogs.file = "/musique/réveil.mp3";
    Form8->Button1->click();
    Form8->Edit3->setText("Debout");
    Form8->CheckBox1->setChecked(true);
    Form8->Button3->click(); // "OK"
    EXPECT_EQ(stored("alarme", "son"), "/musique/réveil.mp3");
    EXPECT_EQ(stored("alarme", "textmessage"), "Debout");

    startCountdown(0, 2);
    EXPECT_EQ(stored("rebours", "seconde"), "2");
    seconds(2);
    EXPECT_EQ(stored("rebours", "seconde"), "0"); // its end

    Form1->Chrono1->trigger();
    Form3->Button1->click(); // "Start "
    EXPECT_EQ(stored("chrono", "start"), "1");
    fakes.clock.advance(1300);
    Form3->Button2->click(); // "Pause"
    EXPECT_EQ(stored("chrono", "start"), "0");
    EXPECT_EQ(stored("chrono", "secpass"), "1");
    EXPECT_EQ(stored("chrono", "millipass"), "3");
    Form3->Button3->click(); // "RAZ"
    EXPECT_EQ(stored("chrono", "secpass"), "0");
    EXPECT_TRUE(fakes.boxes.texts().filter("Impossible").isEmpty());
}

TEST_F(WriteThrough, AnEventWritesTheKeysInTheOrderTheExitDoes) {
    Form1->N1->trigger();
    Form2->Button1->click();
    const QByteArray written = settingsText();
    QFile::remove(settingsPath());
    windows->tearDown();
    EXPECT_EQ(written, settingsText());
}

TEST_F(WriteThrough, RunningCountersReachTheFileEveryTenSecondsAtTheLatest) {
    Form3->Button1->click();
    startCountdown(5, 0);
    for (int second = 1; second <= 60; ++second) {
        seconds(1);
        ASSERT_GE(stored("chrono", "secpass").toInt() + 60 * stored("chrono", "minpass").toInt(), second - 10)
            << second;
        const int left = 60 * stored("rebours", "minute").toInt() + stored("rebours", "seconde").toInt();
        ASSERT_LE(left, 300 - second + 10) << second;
    }
}

TEST_F(WriteThrough, AFileThatCantBeWrittenIsSaidOnceUntilAWriteGoesThrough) {
    const QString cantWrite = "Impossible d'écrire dans " + settingsPath() + ".";
    fakes.disk.unwritable = true;
    Form3->Button1->click();
    seconds(30); // the running stopwatch's writes
    Form3->Button2->click();
    EXPECT_EQ(fakes.boxes.texts(), QStringList({cantWrite}));
    fakes.disk.unwritable = false;
    Form3->Button1->click();
    fakes.disk.unwritable = true;
    Form3->Button2->click();
    EXPECT_EQ(fakes.boxes.texts(), QStringList({cantWrite, cantWrite}));
}

TEST_F(WriteThrough, WhatTheUserConfirmedStaysConfirmed) {
    startCountdown(10, 0);
    seconds(20); // a checkpoint holds the running countdown
    Form1->Compterebours1->trigger();
    fakes.boxes.answers.push_back(vt::Box::AnswerYes);
    Form4->Button1->click();                     // "Oui" to "Attention..."
    EXPECT_EQ(stored("rebours", "minute"), "0"); // a crash now must not bring it back

    Form1->N1->trigger();
    fakes.dialogs.font = vt::FontValue{"Liberation Serif", 14, vt::clNavy};
    Form2->Button5->click();
    Form2->Button1->click(); // "OK", then the countdown window is activated, not the main window
    settle();

    // Typed but not confirmed yet when the session ends.
    fakes.dialogs.file = "/documents/plan.odt";
    Form5->Button3->click();
    Form1->Alarme1->trigger();
    Form6->Paramtre1->trigger();
    Form8->CheckBox1->setChecked(true);
    Form8->Edit3->setText("Debout");
    windows->saveSettingsQuietly();
    EXPECT_EQ(stored("rebours", "execute"), "/documents/plan.odt");
    EXPECT_EQ(stored("alarme", "textmessage"), "Debout");
    EXPECT_EQ(stored("alarme", "message"), "1");
    windows->tearDown();
    EXPECT_EQ(stored("option", "fontsize"), "14");
}

TEST_F(WriteThrough, ALastingFailureIsSaidOnceWhileRunningAndAtTheExit) {
    fakes.disk.unwritable = true;
    Form3->Button1->click();
    seconds(30);
    Form8->show(); // its hide writes too at the teardown
    windows->tearDown();
    EXPECT_EQ(fakes.boxes.texts(), QStringList({"Impossible d'écrire dans " + settingsPath() + "."}));
}

TEST_F(WriteThrough, AnIdleClockNeverTouchesTheFile) {
    QFile::remove(settingsPath());
    for (int minute = 0; minute < 90; ++minute)
        seconds(60); // a full hour's chime and shake among them
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

} // namespace
