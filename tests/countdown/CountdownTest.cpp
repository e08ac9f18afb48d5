#include "support/WindowsFixture.h"

#include "common/TimeTexts.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "shell/Unit1.h"

#include <QFile>

#include <limits>
#include <optional>

namespace {
constexpr qint32 int32Min = std::numeric_limits<qint32>::min();

constexpr qint32 int32Max = std::numeric_limits<qint32>::max();

class Countdown : public WindowsFixture {
protected:
    QString caption() const { return Form4->Label1->caption(); }
    void tick(int seconds = 1) { fakes.clock.advance(qint64(seconds) * 1000); }

    // The setup dialog opened as the user does: the menu, the countdown window's button, Yes.
    void openSetup() {
        Form1->Compterebours1->trigger();
        fakes.boxes.answers.push_back(vt::Box::AnswerYes);
        Form4->Button1->click();
        ASSERT_TRUE(Form5->isVisible());
    }
    static void stepTo(vt::UpDown& upDown, int position) {
        while (upDown.position() != position)
            upDown.step(position > upDown.position() ? +1 : -1);
    }
    void setFields(int days, int hours, int minutes, int seconds) {
        stepTo(*Form5->UpDown1, days);
        stepTo(*Form5->UpDown2, hours);
        stepTo(*Form5->UpDown3, minutes);
        stepTo(*Form5->UpDown4, seconds);
    }
    // A countdown set and started through the two windows.
    void start(int days, int hours, int minutes, int seconds) {
        openSetup();
        setFields(days, hours, minutes, seconds);
        Form5->Button1->click(); // "Start"
    }
    void withMessage(const QString& text) {
        Form5->CheckBox1->setChecked(true);
        Form5->Edit6->setText(text);
    }
    void expectStoppedAtZero() const {
        EXPECT_FALSE(Form5->Running);
        EXPECT_EQ(Form5->Hours, 0);
        EXPECT_EQ(Form5->Minutes, 0);
        EXPECT_EQ(Form5->Seconds, 0);
        EXPECT_EQ(caption(), "00:00:00");
    }
    QString stored(const char* key) {
        return fakes.settings.read().readString("rebours", key, QStringLiteral("(absent)"));
    }
    QString alarmSound() const { return fakes.folder.file("alarme1.wav"); }
};

TEST_F(Countdown, TheWindowsAsDesigned) {
    EXPECT_EQ(Form4->Button1->text(), "Comencez un nouveau compte à rebours");
    EXPECT_EQ(Form4->Button1->geometry(), QRect(8, 40, 225, 25));
    EXPECT_EQ(caption(), "00:00:00");
    EXPECT_TRUE(Form4->Label1->font().bold());
    EXPECT_EQ(Form4->Label1->font().pointSize(), 14);
    EXPECT_EQ(Form4->Timer1->interval(), 1000);
    EXPECT_TRUE(Form4->Timer1->isActive());

    const std::pair<QWidget*, const char*> captions[] = {{Form5->Label1, "Nombre de jour(s) : "},
                                                         {Form5->Label2, "Nombre d'heure(s) :"},
                                                         {Form5->Label3, "Nombre de minute(s) :"},
                                                         {Form5->Label4, "Nombre de seconde(s) :"},
                                                         {Form5->Label5, "Executer :"},
                                                         {Form5->Button3, "Choisir..."},
                                                         {Form5->CheckBox1, "Lancer un message : "},
                                                         {Form5->Button1, "Start"},
                                                         {Form5->Button2, "Annuler"}};
    for (const auto& [widget, text] : captions)
        EXPECT_EQ(widget->property("text").toString(), text);
    const std::pair<vt::UpDown*, int> ranges[] = {
        {Form5->UpDown1, 32767}, {Form5->UpDown2, 23}, {Form5->UpDown3, 59}, {Form5->UpDown4, 59}};
    for (const auto& [upDown, maximum] : ranges) {
        EXPECT_EQ(upDown->minimum(), 0);
        EXPECT_EQ(upDown->maximum(), maximum);
    }
    for (QLineEdit* field : {Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5})
        EXPECT_FALSE(field->isEnabled());
    EXPECT_TRUE(Form5->Edit6->isEnabled()); // until the box first changes
    EXPECT_EQ(Form5->Edit5->text(), alarmSound());
    EXPECT_EQ(Form5->Edit6->text(), "");
}

TEST_F(Countdown, EachWindowTakesTheThemeColourOnItsOwnCaptions) {
    vt::FontValue font = Form1->Label1->fontValue();
    font.color = 0x0000FF;
    Form1->Label1->setFontValue(font);
    Form4->FormActivate();
    Form5->FormActivate();
    for (vt::Label* label : {Form4->Label1, Form5->Label1, Form5->Label2, Form5->Label3, Form5->Label4})
        EXPECT_EQ(label->fontColor(), 0x0000FF) << label->objectName().toStdString();
    EXPECT_EQ(Form5->Label5->fontColor(), vt::clWindowText);
}

TEST_F(Countdown, TheUpDownsStopAtTheirEndsAndTheirFieldsFollow) {
    openSetup();
    struct Row {
        vt::UpDown* upDown;
        QLineEdit* field;
        int maximum;
    };
    const Row rows[] = {{Form5->UpDown1, Form5->Edit1, 32767},
                        {Form5->UpDown2, Form5->Edit2, 23},
                        {Form5->UpDown3, Form5->Edit3, 59},
                        {Form5->UpDown4, Form5->Edit4, 59}};
    for (const Row& row : rows) {
        row.upDown->step(-1);
        EXPECT_EQ(row.field->text(), "0");
        stepTo(*row.upDown, row.maximum);
        EXPECT_EQ(row.field->text(), QString::number(row.maximum));
        row.upDown->step(+1);
        EXPECT_EQ(row.field->text(), QString::number(row.maximum)) << "no wrap";
    }
}

TEST_F(Countdown, TheLongestCountdownFoldsItsDaysIntoTheHours) {
    start(32767, 23, 59, 59);
    EXPECT_EQ(Form5->Days, 32767);
    EXPECT_EQ(Form5->Hours, 786431);
    EXPECT_EQ(Form5->Minutes, 59);
    EXPECT_EQ(Form5->Seconds, 59);
    EXPECT_TRUE(Form5->Running);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_TRUE(Form4->isEnabled());
    tick();
    EXPECT_EQ(caption(), "786431:59:58");
}

TEST_F(Countdown, TheDialogKeepsItsChoicesBetweenShowingsButNotAcrossARestart) {
    start(2, 3, 4, 5);
    fakes.dialogs.file = "/documents/plan.odt";
    openSetup();
    EXPECT_EQ(Form5->Edit1->text(), "2");
    EXPECT_EQ(Form5->Edit4->text(), "5");
    Form5->Button3Click();
    withMessage("Fini");
    Form5->Button2->click();
    openSetup();
    EXPECT_EQ(Form5->Edit2->text(), "3");
    EXPECT_EQ(Form5->Edit5->text(), "/documents/plan.odt");
    EXPECT_EQ(Form5->Edit6->text(), "Fini");
    EXPECT_TRUE(Form5->CheckBox1->isChecked());
    Form5->Button1->click();
    restart();
    EXPECT_TRUE(Form5->Running); // 2 days 3:04:05 left at exit
    openSetup();
    for (QLineEdit* field : {Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4})
        EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(Form5->Edit5->text(), "/documents/plan.odt");
}

TEST_F(Countdown, TheFirstTickShowsTheTimeSetLessOneSecond) {
    struct Row {
        int days, hours, minutes, seconds;
        const char* firstTick;
    };
    const Row rows[] = {{0, 0, 1, 0, "00:00:59"}, {1, 0, 0, 0, "23:59:59"},   {5, 0, 0, 0, "119:59:59"},
                        {0, 2, 0, 0, "01:59:59"}, {0, 0, 10, 30, "00:10:29"}, {0, 1, 0, 0, "00:59:59"}};
    for (const Row& row : rows) {
        start(row.days, row.hours, row.minutes, row.seconds);
        EXPECT_EQ(caption(), "00:00:00") << "before the first tick";
        tick();
        EXPECT_EQ(caption(), row.firstTick);
        tick();
        EXPECT_TRUE(Form5->Running);
    }
}

TEST_F(Countdown, AStoredSecondsValueAbove59CountsDownBeforeItsFirstBorrow) {
    restart("[rebours]\nminute=1\nseconde=75\n");
    tick();
    EXPECT_EQ(caption(), "00:01:74");
    tick(74);
    EXPECT_EQ(caption(), "00:01:00");
    tick();
    EXPECT_EQ(caption(), "00:00:59");
}

TEST_F(Countdown, AnIdleCountdownsTimerSleepsUntilTheNextStart) {
    tick();
    EXPECT_FALSE(Form4->Timer1->isActive());
    start(0, 0, 0, 2);
    EXPECT_TRUE(Form4->Timer1->isActive());
    tick(2);
    EXPECT_EQ(fakes.desktop.opened.size(), 1);
    tick();
    EXPECT_FALSE(Form4->Timer1->isActive());
    start(0, 0, 0, 1);
    tick();
    EXPECT_EQ(fakes.desktop.opened.size(), 2);
}

TEST_F(Countdown, ACountdownInProgressGoesOnAtStartUpWithoutTheDialog) {
    restart("[rebours]\nheure=2\nminute=0\nseconde=0\n");
    EXPECT_TRUE(Form5->Running);
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(caption(), "00:00:00");
    tick();
    EXPECT_EQ(caption(), "01:59:59");
    windows->tearDown();
    restart();
    EXPECT_EQ(Form5->Hours, 1);
    EXPECT_EQ(Form5->Minutes, 59);
    EXPECT_EQ(Form5->Seconds, 59);
    EXPECT_TRUE(Form5->Running);
}

TEST_F(Countdown, AtZeroOpensTheFileThenShowsTheMessage) {
    fakes.dialogs.file = "/documents/plan.odt";
    openSetup();
    Form5->Button3Click();
    withMessage("C'est l'heure !");
    setFields(0, 0, 0, 3);
    Form5->Button1->click();
    tick(2);
    EXPECT_TRUE(fakes.desktop.opened.isEmpty());
    EXPECT_EQ(caption(), "00:00:01");
    QStringList openedWhileBox;
    fakes.boxes.whileOpen = [&] {
        openedWhileBox = fakes.desktop.opened;
        tick(3); // ticks while the message waits change nothing
    };
    tick();
    EXPECT_EQ(openedWhileBox, QStringList({"/documents/plan.odt"}));
    ASSERT_EQ(fakes.boxes.shown.size(), 2u); // the confirmation, then the message
    EXPECT_EQ(fakes.boxes.shown[1].text, "C'est l'heure !");
    EXPECT_EQ(fakes.boxes.shown[1].caption, "Alerte...");
    EXPECT_EQ(fakes.boxes.shown[1].flags, 48);
    expectStoppedAtZero();
    tick(5);
    EXPECT_EQ(fakes.desktop.opened.size(), 1);
    EXPECT_EQ(fakes.boxes.shown.size(), 2u);
}

TEST_F(Countdown, AtZeroAFailureToWriteWaitsBehindTheFileAndTheMessage) {
    openSetup();
    withMessage("Fini");
    setFields(0, 0, 0, 1);
    Form5->Button1->click();
    fakes.disk.unwritable = true;
    QStringList seen;
    fakes.boxes.whileOpen = [&] {
        seen << fakes.desktop.opened.join(' ') + " | " + fakes.boxes.shown.back().text;
    };
    tick();
    EXPECT_EQ(seen, QStringList({alarmSound() + " | Fini",
                                 alarmSound() + " | Impossible d'écrire dans " + settingsPath() + "."}));
}

TEST_F(Countdown, WithoutTheMessageOnlyTheFileIsOpened) {
    openSetup();
    Form5->CheckBox1->setChecked(false);
    Form5->Edit6->setText("pas montré");
    setFields(0, 0, 0, 1);
    Form5->Button1->click();
    tick();
    EXPECT_EQ(fakes.desktop.opened, QStringList({alarmSound()}));
    EXPECT_EQ(fakes.boxes.shown.size(), 1u); // the confirmation only
    expectStoppedAtZero();
}

TEST_F(Countdown, AnEmptyStoredMessageThatIsOnGivesAnEmptyBox) {
    restart("[rebours]\nseconde=1\nactivemessage=1\nmessage=\n");
    tick();
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(fakes.boxes.shown[0].text, "");
    EXPECT_EQ(fakes.boxes.shown[0].caption, "Alerte...");
}

TEST_F(Countdown, AHiddenCountdownWindowStillEndsOnTime) {
    start(0, 0, 0, 10);
    Form4->close();
    tick(9);
    EXPECT_TRUE(fakes.desktop.opened.isEmpty());
    tick();
    EXPECT_EQ(fakes.desktop.opened, QStringList({alarmSound()}));
}

// An end below zero leaves zeros too, so it does not come again after a restart.
TEST_F(Countdown, EveryEndLeavesZerosAndHappensOnce) {
    const char* hourMinuteSecond[] = {"0 0 0", "-3 7 0", "0 0 -5", "0 -1 5", "-2147483648 0 0"};
    for (const char* values : hourMinuteSecond) {
        const QStringList hms = QString(values).split(' ');
        restart("[rebours]\nheure=" + hms[0].toUtf8() + "\nminute=" + hms[1].toUtf8() +
                "\nseconde=" + hms[2].toUtf8() + "\n");
        const qsizetype openedBefore = fakes.desktop.opened.size();
        if (!Form5->Running) start(0, 0, 0, 0); // all zero: only "Start" runs it
        tick();
        EXPECT_EQ(fakes.desktop.opened.size(), openedBefore + 1) << values;
        expectStoppedAtZero();
        windows->tearDown();
        restart();
        EXPECT_FALSE(Form5->Running) << values;
        tick(3);
        EXPECT_EQ(fakes.desktop.opened.size(), openedBefore + 1) << values;
    }
}

TEST_F(Countdown, CountersAtTheEndsOfTheirRangeStepWithoutOverflow) {
    struct Row {
        const char* file;
        qint32 hours, minutes, seconds;
        bool running;
    };
    const Row rows[] = {
        {"heure=2147483647\n", int32Max - 1, 59, 59, true},
        {"heure=5\nminute=-2147483648\n", 5, int32Min, 59, true},
        {"heure=5\nseconde=-2147483648\n", 5, 0, int32Min, true},
        {"minute=2147483647\nseconde=2147483647\n", 0, int32Max, int32Max - 1, true},
        {"heure=-2147483648\nminute=-2147483648\nseconde=-2147483648\n", 0, 0, 0, false},
    };
    for (const Row& row : rows) {
        restart(QByteArray("[rebours]\n") + row.file);
        tick();
        EXPECT_EQ(Form5->Hours, row.hours) << row.file;
        EXPECT_EQ(Form5->Minutes, row.minutes) << row.file;
        EXPECT_EQ(Form5->Seconds, row.seconds) << row.file;
        EXPECT_EQ(Form5->Running, row.running) << row.file;
    }
}

TEST_F(Countdown, NoAtTheConfirmationLeavesARunningCountdownUntouched) {
    start(0, 0, 10, 0);
    tick();
    fakes.boxes.answers.push_back(vt::Box::AnswerNo);
    Form4->Button1->click();
    const FakeMessageBoxes::Shown& asked = fakes.boxes.shown.back();
    EXPECT_EQ(asked.text,
              "Attention, en continuant, l'ancien compte à rebours sera remis à zéro ! \nContinuer?");
    EXPECT_EQ(asked.caption, "Attention...");
    EXPECT_EQ(asked.flags, 68);
    EXPECT_EQ(Form4->LastAnswer, vt::Box::AnswerNo);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_TRUE(Form4->isEnabled());
    EXPECT_EQ(caption(), "00:09:59");
    tick();
    EXPECT_EQ(caption(), "00:09:58");
}

TEST_F(Countdown, YesStopsTheCountdownAtOnceAndAnnulerDoesNotBringItBack) {
    start(0, 0, 10, 0);
    tick();
    openSetup();
    EXPECT_EQ(Form4->LastAnswer, vt::Box::AnswerYes);
    EXPECT_FALSE(Form4->isEnabled());
    expectStoppedAtZero();
    tick(2); // the timer runs on while the window is disabled
    EXPECT_EQ(caption(), "00:00:00");
    Form5->Button2->click(); // "Annuler"
    EXPECT_TRUE(Form4->isEnabled());
    EXPECT_FALSE(Form5->isVisible());
    tick(3);
    expectStoppedAtZero();
    EXPECT_TRUE(fakes.desktop.opened.isEmpty());
    openSetup();
    Form5->close(); // the close box as "Annuler"
    EXPECT_TRUE(Form4->isEnabled());
    tick(3);
    EXPECT_FALSE(Form5->Running);
}

TEST_F(Countdown, ACountdownCanEndWhileTheConfirmationWaits) {
    start(0, 0, 0, 2);
    fakes.boxes.whileOpen = [&] { tick(2); };
    fakes.boxes.answers.push_back(vt::Box::AnswerNo);
    Form4->Button1->click();
    EXPECT_EQ(fakes.desktop.opened, QStringList({alarmSound()}));
    expectStoppedAtZero();
}

TEST_F(Countdown, EveryHideWritesTheFileAndTheMessage) {
    openSetup();
    withMessage("Fini");
    Form5->Button2->click();
    EXPECT_EQ(stored("execute"), alarmSound());
    EXPECT_EQ(stored("activemessage"), "1");
    EXPECT_EQ(stored("message"), "Fini");

    openSetup();
    fakes.dialogs.file = "/documents/plan.odt";
    Form5->Button3Click();
    EXPECT_EQ(fakes.dialogs.fileRequests.back().filter, "*.*|*.*");
    EXPECT_EQ(fakes.dialogs.fileRequests.back().initialFolder, fakes.folder.path());
    EXPECT_EQ(fakes.dialogs.fileRequests.back().fileName, alarmSound());
    fakes.dialogs.file.reset();
    Form5->Button3Click(); // cancelled: the choice stays
    EXPECT_EQ(Form5->Edit5->text(), "/documents/plan.odt");
    Form5->close();
    EXPECT_EQ(stored("execute"), "/documents/plan.odt");
    EXPECT_EQ(stored("heure"), "0"); // showing the dialog stopped the countdown

    restart();
    EXPECT_EQ(Form5->ExecuteFile, "/documents/plan.odt");
    EXPECT_EQ(Form5->Edit5->text(), "/documents/plan.odt");
    EXPECT_TRUE(Form5->CheckBox1->isChecked());
    EXPECT_EQ(Form5->Edit6->text(), "Fini");
}

TEST_F(Countdown, AHideWithAnEmptyMessageSwitchesTheMessageOff) {
    openSetup();
    withMessage("");
    Form5->Button1->click();
    EXPECT_FALSE(Form5->CheckBox1->isChecked());
    EXPECT_FALSE(Form5->Edit6->isEnabled());
    EXPECT_EQ(stored("activemessage"), "0");
    openSetup();
    withMessage("   "); // blanks are a message
    EXPECT_TRUE(Form5->Edit6->isEnabled());
    Form5->close();
    EXPECT_TRUE(Form5->CheckBox1->isChecked());
    EXPECT_EQ(stored("activemessage"), "1");
}

// Setting up takes the user a while: the ticks follow "Start", not the timer's start-up.
TEST_F(Countdown, ACountdownOfOneSecondEndsOneSecondAfterStart) {
    openSetup();
    setFields(0, 0, 0, 1);
    fakes.clock.advance(400);
    Form5->Button1->click();
    fakes.clock.advance(999);
    EXPECT_TRUE(fakes.desktop.opened.isEmpty());
    fakes.clock.advance(1);
    EXPECT_EQ(fakes.desktop.opened, QStringList({alarmSound()}));
}

TEST_F(Countdown, AStalledTickTakesOffAllTheSecondsItMissed) {
    start(0, 0, 0, 20);
    tick();
    EXPECT_EQ(caption(), "00:00:19");
    fakes.clock.stall(5000);
    fakes.clock.advance(0); // the overdue tick, once
    EXPECT_EQ(caption(), "00:00:14");
    Form4->Timer1Timer(); // a second event in the same second counts nothing
    EXPECT_EQ(caption(), "00:00:14");
    tick();
    EXPECT_EQ(caption(), "00:00:13");
}

TEST_F(Countdown, TheCountIsTheRealTimeGoneByInWholeSeconds) {
    start(0, 1, 0, 0);
    const qint64 started = fakes.clock.elapsedMs();
    const auto left = [] { return Form5->Minutes * 60 + Form5->Seconds; };
    // Events at any moment, as a busy program gets them.
    for (int gap : {1300, 999, 1, 1500, 700, 4000, 1000, 250, 0}) {
        fakes.clock.stall(gap);
        Form4->Timer1Timer();
        const qint64 whole = (fakes.clock.elapsedMs() - started) / 1000;
        EXPECT_EQ(left(), 3600 - whole) << "after a gap of " << gap << " ms";
    }
    const int before = left();
    fakes.clock.shiftWall(-3'600'000); // the wall clock set back an hour
    fakes.clock.stall(1000);
    Form4->Timer1Timer();
    EXPECT_EQ(left(), before - 1);
}

TEST_F(Countdown, TenMinutesUnderLoadEndWithinASecondOfTenMinutes) {
    start(0, 0, 10, 0);
    const qint64 started = fakes.clock.elapsedMs();
    while (fakes.desktop.opened.isEmpty() && fakes.clock.elapsedMs() - started < 700'000) {
        fakes.clock.stall(1100); // every event 100 ms late: 546 events in 10 minutes, not 600
        Form4->Timer1Timer();
    }
    ASSERT_EQ(fakes.desktop.opened.size(), 1);
    const qint64 ended = fakes.clock.elapsedMs() - started;
    EXPECT_GE(ended, 600'000);
    EXPECT_LT(ended, 601'000);
}

TEST_F(Countdown, ASuspendAcrossTheEndEndsItAtTheFirstTickAfter) {
    start(0, 0, 30, 0);
    tick();
    fakes.clock.stall(3 * 3600 * 1000);
    fakes.clock.advance(0);
    EXPECT_EQ(fakes.desktop.opened.size(), 1);
    expectStoppedAtZero();
}

} // namespace
