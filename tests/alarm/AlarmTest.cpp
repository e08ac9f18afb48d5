#include "support/WindowsFixture.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "common/TimeTexts.h"
#include "framework/controls/RadioButtons.h"
#include "shell/Unit1.h"

#include <QFile>

namespace {
class Alarm : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        Form1->show();
        settle();
    }
    // The alarm set through its windows, as a user would: the time, "OK", which arms it.
    void setAlarm(int hour, int minute) {
        Form1->AlarmHour = hour;
        Form1->AlarmMinute = minute;
        Form6->showInFront();
        Form7->showInFront();
        Form7->Button1->click();
    }
    int rings() const { return int(fakes.player.played.count(fakes.folder.file("alarme1.wav"))); }
    // Starts the clock at `local` with the alarm armed for hour:minute.
    void startArmed(const QDateTime& local, int hour, int minute) {
        startAt(local);
        Form1->show();
        settle();
        setAlarm(hour, minute);
        vt::setRadioChecked(*Form8->RadioButton1, true);
    }
};

TEST_F(Alarm, TheUpDownCarriesIntoTheHourBothWays) {
    struct Step {
        int hour, position, delta;
        const char* shown;
    };
    const Step steps[] = {
        {7, 59, +1, "08 : 00"}, {23, 59, +1, "00 : 00"}, {0, 0, -1, "23 : 59"}, {9, 4, +1, "09 : 05"}};
    for (const Step& step : steps) {
        Form7->Hour = step.hour;
        Form7->UpDown1->setPosition(step.position);
        Form7->UpDown1->step(step.delta);
        EXPECT_EQ(Form7->Label1->caption(), step.shown);
        EXPECT_GE(Form7->UpDown1->position(), 0);
        EXPECT_LE(Form7->UpDown1->position(), 59);
    }
}

TEST_F(Alarm, EachShowingOfTheTimeDialogShowsTheStoredAlarm) {
    Form1->AlarmHour = 7;
    Form1->AlarmMinute = 30;
    Form7->show();
    EXPECT_EQ(Form7->Label1->caption(), "07 : 30");
    EXPECT_FALSE(Form6->isEnabled());
    Form7->UpDown1->step(+1);
    EXPECT_EQ(Form7->Label1->caption(), "07 : 31");
    Form7->Button2->click(); // "Annuler"
    EXPECT_TRUE(Form6->isEnabled());
    EXPECT_EQ(Form1->AlarmMinute, 30);
    Form7->show();
    EXPECT_EQ(Form7->Label1->caption(), "07 : 30");
    Form7->UpDown1->step(+1);
    Form7->close(); // the close box cancels too
    EXPECT_EQ(Form1->AlarmMinute, 30);
    EXPECT_TRUE(Form6->isEnabled());
}

TEST_F(Alarm, AHandEditedTimeOutOfRangeShowsAtTheNearerBoundInBothWindows) {
    const struct {
        int hour, minute;
        const char *shown, *afterStepDown;
    } stored[] = {
        {7, 75, "07 : 59", "07 : 58"}, {7, -5, "07 : 00", "06 : 59"}, {31, 10, "23 : 10", "23 : 09"}};
    for (const auto& time : stored) {
        restart(QStringLiteral("[alarme]\nheure=%1\nminute=%2\n").arg(time.hour).arg(time.minute).toUtf8());
        Form1->Alarme1->trigger();
        settle();
        EXPECT_EQ(Form6->Label2->caption(), time.shown);
        Form7->show();
        EXPECT_EQ(Form7->Label1->caption(), time.shown);
        Form7->UpDown1->step(-1);
        EXPECT_EQ(Form7->Label1->caption(), time.afterStepDown);
        Form7->Button2->click();
    }
}

TEST_F(Alarm, OkStoresTheTimeAndArmsTheAlarmAtOnce) {
    setAlarm(6, 45);
    EXPECT_EQ(Form1->AlarmHour, 6);
    EXPECT_EQ(Form1->AlarmMinute, 45);
    settle(); // the alarm window becomes active again: the choice stays
    EXPECT_TRUE(Form6->RadioButton1->isChecked());
    EXPECT_TRUE(Form1->AlarmOn);
    EXPECT_FALSE(Form1->Image2->picture().isNull()); // the bell
    Form6->Non1->trigger();
    EXPECT_FALSE(Form1->AlarmOn);
    EXPECT_TRUE(Form1->Image2->picture().isNull());
    Form6->FormActivate();
    EXPECT_EQ(Form6->Label2->caption(), "06 : 45");
}

TEST_F(Alarm, TheKindDialogsHideStoresTheMessageAndAnEmptyOneSwitchesItOff) {
    Form8->show();
    Form8->CheckBox1->setChecked(true);
    Form8->Edit3->setText("");
    Form8->Button4->click();
    EXPECT_FALSE(Form8->CheckBox1->isChecked());
    EXPECT_FALSE(Form8->Edit3->isEnabled());
    Form8->show();
    Form8->CheckBox1->setChecked(true);
    Form8->Edit3->setText("   "); // blanks are a message
    Form8->close();
    EXPECT_TRUE(Form8->CheckBox1->isChecked());
    windows.reset();
    windows = std::make_unique<WindowSet>(fakes.services);
    EXPECT_TRUE(Form8->CheckBox1->isChecked());
    EXPECT_EQ(Form8->Edit3->text(), "   ");
}

TEST_F(Alarm, TheKindDialogsFileChoices) {
    Form8->show();
    EXPECT_EQ(Form8->Edit1->text(), Form1->AlarmSound);
    Form8->Button2Click(); // "Choisir", cancelled: the file kind all the same
    EXPECT_TRUE(Form8->RadioButton2->isChecked());
    EXPECT_FALSE(Form1->AlarmPlaysSound);
    EXPECT_EQ(Form8->Edit2->text(), Form1->AlarmFile);
    fakes.dialogs.file = "/musique/réveil.mp3";
    Form8->Button1Click();
    EXPECT_EQ(Form8->Edit1->text(), "/musique/réveil.mp3");
    EXPECT_TRUE(Form1->AlarmPlaysSound);
    EXPECT_EQ(fakes.dialogs.fileRequests.back().filter, "Sons (*.wav, *.mp3, *.mid); |*.wav; *.mp3;*.mid");
    EXPECT_EQ(fakes.dialogs.fileRequests.back().initialFolder, fakes.folder.path());
    Form8->Button4->click(); // "Annuler" forgets the path
    EXPECT_EQ(Form1->AlarmSound, fakes.folder.file("alarme1.wav"));
    Form8->show();
    EXPECT_EQ(Form8->Edit1->text(), fakes.folder.file("alarme1.wav"));
    Form8->Button1Click();
    Form8->Button3->click(); // "OK"
    EXPECT_EQ(Form1->AlarmSound, "/musique/réveil.mp3");
    EXPECT_TRUE(Form6->isEnabled());
}

TEST_F(Alarm, RingsWithItsSoundAndMessageAtItsMinute) {
    startArmed(QDateTime(QDate(2026, 12, 8), QTime(6, 59, 58, 500)), 7, 0);
    Form8->CheckBox1->setChecked(true);
    Form8->Edit3->setText("Debout !");
    runUntil(QDateTime(QDate(2026, 12, 8), QTime(7, 0, 0, 500)));
    // The chime of 07:00 first, then the alarm in the same player.
    EXPECT_EQ(fakes.player.played,
              QStringList({fakes.folder.file("ding.wav"), fakes.folder.file("alarme1.wav")}));
    EXPECT_EQ(fakes.player.streams, QStringList({"Carillon", "Alarme"})); // as the desktop's mixer names them
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(fakes.boxes.shown[0].text, "Debout !");
    EXPECT_EQ(fakes.boxes.shown[0].caption, "Alarme");
    EXPECT_EQ(fakes.boxes.shown[0].flags, 48);
}

TEST_F(Alarm, OpensItsFileWhenTheSoundIsNotChosen) {
    startArmed(QDateTime(QDate(2026, 12, 8), QTime(6, 29, 59, 500)), 6, 30);
    vt::setRadioChecked(*Form8->RadioButton1, false); // neither kind checked: the file
    Form1->AlarmFile = "/documents/agenda.odt";
    runUntil(QDateTime(QDate(2026, 12, 8), QTime(6, 30, 1)));
    EXPECT_EQ(fakes.desktop.opened, QStringList({"/documents/agenda.odt"}));
    EXPECT_EQ(rings(), 0);
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(Alarm, AMissingSoundFallsBackToTheDefaultThenReportsThenShowsTheMessage) {
    startArmed(QDateTime(QDate(2026, 12, 8), QTime(6, 29, 59, 500)), 6, 30);
    Form1->AlarmSound = "/nulle/part.mp3";
    fakes.player.unopenable << "/nulle/part.mp3";
    Form8->CheckBox1->setChecked(true);
    Form8->Edit3->setText("Debout !");
    QStringList order;
    fakes.boxes.whileOpen = [&] { order << QString::number(rings()) + " " + fakes.boxes.shown.back().text; };
    runUntil(QDateTime(QDate(2026, 12, 8), QTime(6, 30, 1)));
    EXPECT_EQ(order, QStringList({"1 Impossible d'ouvrir le fichier son /nulle/part.mp3.", "1 Debout !"}));
    EXPECT_FALSE(Form1->Image1->picture().isNull()); // the face after the box
}

TEST_F(Alarm, IsNeverLostNorDoubled) {
    const QDate day(2026, 12, 8);
    startArmed(QDateTime(day, QTime(6, 29, 58, 500)), 6, 30);
    runUntil(QDateTime(day, QTime(6, 29, 59, 500)));
    fakes.clock.stall(1000); // no tick within 06:30:00
    runUntil(QDateTime(day, QTime(6, 30, 1)));
    EXPECT_EQ(rings(), 1);
    Form1->Timer1Timer(); // a second event in that second
    EXPECT_EQ(rings(), 1);
    runUntil(QDateTime(day, QTime(6, 30, 10)));
    EXPECT_EQ(rings(), 1);

    startArmed(QDateTime(day.addDays(1), QTime(5, 0, 0, 500)), 6, 30);
    runUntil(QDateTime(day.addDays(1), QTime(5, 0, 2)));
    fakes.clock.stall(3 * 3600 * 1000); // a suspend across the alarm: said missed, once
    runUntil(QDateTime(day.addDays(1), QTime(8, 0, 5)));
    EXPECT_EQ(rings(), 1);
    EXPECT_EQ(fakes.boxes.texts(), QStringList({"Alarme de 06 : 30 manquée."}));
}

TEST_F(Alarm, RingsWhileFreshChimesAsATimeSignalAndEachOnceHoweverTheClockMoved) {
    constexpr qint64 s = 1000, min = 60 * s, h = 60 * min;
    auto at = [](const char* iso) { return QDateTime::fromString(iso, Qt::ISODate).toLocalTime(); };
    auto arm = [&](const QDateTime& start, int hour, int minute) {
        startArmed(start, hour, minute);
        Form8->CheckBox1->setChecked(true);
        Form8->Edit3->setText("Debout !");
        fakes.player.played.clear();
    };
    // The alarm at 07:00, the clock run from 06:59:20 to `until`.
    auto upTo = [&](const char* until) { arm(at("2026-12-08T06:59:20.500"), 7, 0), runUntil(at(until)); };
    // Asleep from just before 07:00; the tick comes at once on waking.
    auto asleep = [&](qint64 ms) {
        return [&, ms] { upTo("2026-12-08T06:59:59.500"), fakes.clock.stall(ms), fakes.clock.advance(1); };
    };
    // The wall clock moved, then stalled, then 15 s of ticks.
    auto step = [&](qint64 by, qint64 stalled) {
        fakes.clock.shiftWall(by), fakes.clock.stall(stalled), fakes.clock.advance(15 * s);
    };
    auto moved = [&](const char* when, qint64 by, qint64 stalled = 0) {
        return [&, when, by, stalled] { upTo(when), step(by, stalled); };
    };
    const char *before = "2026-12-08T06:59:30.500", *after = "2026-12-08T07:00:05.500";
    const struct {
        const char* what;
        std::function<void()> moves;
        int rings, chimes; // no ring: the missed box instead
    } cases[] = {
        {"asleep 1 s", asleep(1 * s), 1, 1},
        {"asleep 59 s", asleep(59 * s), 1, 1},
        {"asleep 61 s", asleep(61 * s), 1, 0},
        {"asleep 4 min", asleep(4 * min), 1, 0},
        {"asleep 6 min", asleep(6 * min), 0, 0},
        {"asleep 8 h", asleep(8 * h), 0, 0},
        {"asleep 3 days: one box", asleep(72 * h), 0, 0},
        {"back 10 s after it", moved(after, -10 * s), 1, 1},
        {"back 1 h after it", moved(after, -h, h - 15 * s), 1, 1},
        {"forward 2 min across it", moved(before, 2 * min), 1, 0},
        {"forward 2 h across it", moved(before, 2 * h), 0, 0},
        {"forward 2 min, back 5 min: the chime let go comes",
         [&] { moved(before, 2 * min)(), step(-5 * min, 185 * s); }, 1, 1},
        {"02:00 repeated in autumn",
         [&] {
             arm(at("2026-10-25T01:59:58.500+02:00"), 2, 0), runUntil(at("2026-10-25T02:00:02+02:00"));
             step(0, fakes.clock.localNow().msecsTo(at("2026-10-25T02:59:58.500+02:00")));
         },
         1, 1},
        {"02:30 skipped in spring", [&] { arm(at("2026-03-29T01:59:58.500"), 2, 30), step(0, 0); }, 1, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        fakes.boxes.shown.clear();
        test.moves();
        EXPECT_EQ(rings(), test.rings);
        EXPECT_EQ(int(fakes.player.played.count(fakes.folder.file("ding.wav"))), test.chimes);
        EXPECT_EQ(fakes.boxes.texts(),
                  QStringList({test.rings ? "Debout !" : "Alarme de 07 : 00 manquée.\nDebout !"}));
        for (const auto& box : fakes.boxes.shown)
            EXPECT_EQ(box.caption + QString::number(box.flags), "Alarme48");
    }
}

TEST_F(Alarm, AnAlarmAlreadyPastAtStartUpDoesNotRing) {
    startArmed(QDateTime(QDate(2026, 12, 8), QTime(6, 30, 0, 400)), 6, 30); // first tick at 06:30:01
    runUntil(QDateTime(QDate(2026, 12, 8), QTime(6, 31, 0)));
    EXPECT_EQ(rings(), 0);
}

TEST_F(Alarm, DaylightSavingChangesRingItOnce) {
    // 25 October 2026: 02:30 comes twice; 29 March 2026: 02:30 never comes, it rings at the jump to 03:00.
    auto at = [](const char* iso) { return QDateTime::fromString(iso, Qt::ISODate); };
    startArmed(at("2026-10-25T02:29:58+02:00").toLocalTime(), 2, 30);
    runUntil(at("2026-10-25T02:30:02+02:00"));
    fakes.clock.stall(fakes.clock.localNow().msecsTo(at("2026-10-25T02:29:57+01:00")));
    runUntil(at("2026-10-25T02:30:03.500+01:00"));
    EXPECT_EQ(Form1->Label1->caption(), "02:30:03");
    EXPECT_EQ(rings(), 1);
    startArmed(QDateTime(QDate(2026, 3, 29), QTime(1, 59, 58, 500)), 2, 30);
    runUntil(QDateTime(QDate(2026, 3, 29), QTime(3, 0, 0, 500)));
    EXPECT_EQ(rings(), 2);
}

TEST_F(Alarm, AMissingBellIsReportedOnceAndTheActivationGoesOn) {
    removeProgramFile("CLOCHE.BMP");
    Form1->BackColor = 0x00FF00;
    setAlarm(7, 0);
    Form1->FormActivate();
    Form1->FormActivate();
    EXPECT_EQ(fakes.boxes.texts(),
              QStringList({"Impossible d'ouvrir le fichier " + fakes.folder.file("CLOCHE.BMP") + "."}));
    EXPECT_EQ(Form6->palette().color(QPalette::Window), QColor(0, 255, 0));
}

} // namespace
