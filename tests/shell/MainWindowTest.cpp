#include "support/WindowsFixture.h"

#include "alarm/Unit6.h"
#include "alarm/Unit8.h"
#include "countdown/Unit4.h"
#include "options/Unit2.h"
#include "shell/Unit1.h"
#include "stopwatch/Unit3.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <tuple>

namespace {
QDateTime paris(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms));
}

class MainWindow : public WindowsFixture {
protected:
    int chimes() const { return int(fakes.player.played.count(fakes.folder.file("ding.wav"))); }
};

TEST_F(MainWindow, FirstStartShowsTheDesignedDefaults) {
    EXPECT_EQ(Form1->ShakeCount, 250);
    EXPECT_EQ(Form1->BackColor, vt::clBtnFace);
    EXPECT_EQ(Form1->ChimeSound, fakes.folder.file("ding.wav"));
    EXPECT_EQ(Form1->AlarmSound, fakes.folder.file("alarme1.wav"));
    EXPECT_EQ(Form1->AlarmFile, fakes.folder.file("alarme1.wav"));
    EXPECT_FALSE(Form1->AlarmOn);
    for (vt::Label* label : {Form1->Label1, Form1->Label2, Form1->Label3}) {
        EXPECT_EQ(label->fontValue().family, "Arial");
        EXPECT_EQ(label->fontValue().pointSize, 8);
        EXPECT_EQ(label->fontValue().color, vt::clWindowText);
    }
    EXPECT_EQ(Form1->Label1->caption(), "00:00:00"); // no tick before the first second
    EXPECT_EQ(Form1->Label2->caption(), "1 Janvier 1989");
    EXPECT_EQ(Form1->Image1->picture().size(), QSize(58, 56)); // the designed face, no hands yet
    EXPECT_TRUE(Form1->Image2->picture().isNull());
    EXPECT_EQ(Form1->windowIcon().availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
}

TEST_F(MainWindow, TheTickShowsTimeDateAndWeekdayFromOneReading) {
    startAt(paris(2026, 12, 13, 23, 59, 59, 500)); // a Sunday, just before midnight
    runUntil(paris(2026, 12, 13, 23, 59, 59, 999));
    EXPECT_EQ(Form1->Label1->caption(), "00:00:00");
    runUntil(paris(2026, 12, 14, 0, 0, 0, 10));
    EXPECT_EQ(Form1->Label1->caption(), "00:00:00");
    EXPECT_EQ(Form1->Label2->caption(), "14/12/2026");
    EXPECT_EQ(Form1->Label3->caption(), "Lundi");
    startAt(paris(2026, 12, 13, 9, 4, 59, 500));
    runUntil(paris(2026, 12, 13, 9, 5, 0, 10));
    EXPECT_EQ(Form1->Label1->caption(), "09:05:00");
    EXPECT_EQ(Form1->Label3->caption(), "Dimanche");
}

TEST_F(MainWindow, TheTickComesJustAfterTheRealSecond) {
    QList<QTime> seen;
    QObject::connect(Form1->Timer1, &vt::Timer::timeout, [&] { seen << fakes.clock.localNow().time(); });
    runUntil(paris(2026, 12, 8, 14, 5, 12, 500));
    ASSERT_EQ(seen.size(), 3);
    for (const QTime& tick : seen)
        EXPECT_LT(tick.msec(), 50);
}

TEST_F(MainWindow, TheFaceIsReloadedAndShowsTheDecodedTime) {
    startAt(paris(2026, 12, 8, 3, 0, 0, 500));
    runUntil(paris(2026, 12, 8, 3, 0, 1, 100));
    const QImage& face = Form1->Image1->picture();
    EXPECT_EQ(face.size(), QSize(58, 56));
    EXPECT_EQ(face.pixel(36, 28), qRgb(0, 0, 0)); // the hour hand toward (37, 28)
    EXPECT_EQ(face.pixel(28, 17), qRgb(0, 0, 0)); // minute hand up
}

TEST_F(MainWindow, AMissingFaceIsReportedOnceUntilItComesBackAndGoesAgain) {
    removeProgramFile("Horloge.bmp");
    runUntil(paris(2026, 12, 8, 14, 5, 15));
    const QString missing = "Impossible d'ouvrir le fichier " + fakes.folder.file("Horloge.bmp") + ".";
    EXPECT_EQ(fakes.boxes.texts(), QStringList({missing}));
    writeProgramFile("Horloge.bmp");
    runUntil(paris(2026, 12, 8, 14, 5, 17));
    removeProgramFile("Horloge.bmp");
    runUntil(paris(2026, 12, 8, 14, 5, 20));
    EXPECT_EQ(fakes.boxes.texts(), QStringList({missing, missing}));
}

TEST_F(MainWindow, ChimesAndShakesAtTheFullHour) {
    startAt(paris(2026, 12, 8, 13, 59, 58, 500));
    const QPoint before = Form1->pos();
    runUntil(paris(2026, 12, 8, 14, 0, 1, 500));
    EXPECT_EQ(chimes(), 1);
    EXPECT_EQ(fakes.player.opened, QStringList({fakes.folder.file("ding.wav")}));
    EXPECT_NE(Form1->pos(), before);
}

TEST_F(MainWindow, AChimeThatCantBeOpenedIsReportedOnceAndTheRestOfTheTickStillRuns) {
    fakes.player.unopenable << fakes.folder.file("ding.wav");
    startAt(paris(2026, 12, 8, 13, 59, 59, 500));
    const QPoint before = Form1->pos();
    runUntil(paris(2026, 12, 8, 14, 0, 0, 500));
    const QString cantOpen = "Impossible d'ouvrir le fichier son " + fakes.folder.file("ding.wav") + ".";
    EXPECT_EQ(fakes.boxes.texts(), QStringList({cantOpen}));
    EXPECT_NE(Form1->pos(), before);
    EXPECT_FALSE(Form1->Image1->picture().isNull());

    // Not at every hour; again only once a chime has played in between.
    runUntil(paris(2026, 12, 8, 16, 0, 0, 500));
    EXPECT_EQ(fakes.boxes.texts(), QStringList({cantOpen}));
    fakes.player.unopenable.clear();
    runUntil(paris(2026, 12, 8, 17, 0, 0, 500));
    fakes.player.unopenable << fakes.folder.file("ding.wav");
    runUntil(paris(2026, 12, 8, 18, 0, 0, 500));
    EXPECT_EQ(fakes.boxes.texts(), QStringList({cantOpen, cantOpen}));
}

TEST_F(MainWindow, ALateTickStillChimesAndTwoTicksInOneSecondChimeOnce) {
    startAt(paris(2026, 12, 8, 13, 59, 58, 500));
    runUntil(paris(2026, 12, 8, 13, 59, 59, 500));
    fakes.clock.stall(1200); // the tick of 14:00:00 comes at 14:00:00.703
    runUntil(paris(2026, 12, 8, 14, 0, 0, 800));
    EXPECT_EQ(chimes(), 1);
    Form1->Timer1Timer(); // a second event within the same second
    EXPECT_EQ(chimes(), 1);
}

TEST_F(MainWindow, ATickNestedInAMessageBoxComparesWithTheTickBeforeIt) {
    fakes.player.unopenable << fakes.folder.file("ding.wav"); // the report opens a box in the 14:00 tick
    startAt(paris(2026, 12, 8, 13, 59, 59, 500));
    fakes.boxes.whileOpen = [&] { fakes.clock.advance(3000); };
    runUntil(paris(2026, 12, 8, 14, 0, 0, 500));
    EXPECT_EQ(fakes.boxes.shown.size(), 1u); // the nested ticks saw no new full hour
    EXPECT_EQ(Form1->Label1->caption(), "14:00:03");
}

TEST_F(MainWindow, ASuspendAcrossSeveralHoursChimesNotAtResumeButAtTheNextFullHour) {
    startAt(paris(2026, 12, 8, 10, 30, 0, 500));
    runUntil(paris(2026, 12, 8, 10, 30, 2));
    fakes.clock.stall(5 * 3600 * 1000);
    runUntil(paris(2026, 12, 8, 15, 30, 5));
    EXPECT_EQ(chimes(), 0);
    fakes.clock.stall(fakes.clock.localNow().msecsTo(paris(2026, 12, 8, 15, 59, 59)));
    runUntil(paris(2026, 12, 8, 16, 0, 1));
    EXPECT_EQ(chimes(), 1);
}

TEST_F(MainWindow, TheHourRepeatedAtTheEndOfDaylightSavingChimesOnce) {
    // 25 October 2026: at 03:00 summer time the clocks go back to 02:00. The program is suspended
    // between the full hours so that the test runs few ticks.
    auto at = [](const char* iso) { return QDateTime::fromString(iso, Qt::ISODate); };
    startAt(at("2026-10-25T01:59:58+02:00").toLocalTime());
    runUntil(at("2026-10-25T02:00:02+02:00"));
    EXPECT_EQ(chimes(), 1);
    fakes.clock.stall(fakes.clock.localNow().msecsTo(at("2026-10-25T02:59:58+02:00")));
    runUntil(at("2026-10-25T02:00:03.500+01:00")); // the clocks went back: 02:00 again
    EXPECT_EQ(Form1->Label1->caption(), "02:00:03");
    EXPECT_EQ(chimes(), 1);
    fakes.clock.stall(fakes.clock.localNow().msecsTo(at("2026-10-25T02:59:58+01:00")));
    runUntil(at("2026-10-25T03:00:02+01:00"));
    EXPECT_EQ(chimes(), 2);
}

TEST_F(MainWindow, TheHourSkippedAtTheStartOfDaylightSavingChimesAtTheJump) {
    // 29 March 2026: at 02:00 winter time the clocks go forward to 03:00.
    startAt(paris(2026, 3, 29, 1, 59, 58, 500));
    runUntil(paris(2026, 3, 29, 3, 0, 0, 500));
    EXPECT_EQ(chimes(), 1);
    fakes.clock.stall(fakes.clock.localNow().msecsTo(paris(2026, 3, 29, 3, 59, 58)));
    runUntil(paris(2026, 3, 29, 4, 0, 0, 500));
    EXPECT_EQ(chimes(), 2);
}

TEST_F(MainWindow, NothingChimesAtTheTickAfterTheClockWasSetBack) {
    startAt(paris(2026, 12, 8, 14, 0, 30, 500));
    fakes.clock.advance(1000);
    fakes.clock.shiftWall(-3600 * 1000); // 13:00:31: back across the full hour
    fakes.clock.advance(1000);
    EXPECT_EQ(chimes(), 0);
}

TEST_F(MainWindow, TheFirstTickChimesForAFullHourSinceTheProgramStarted) {
    startAt(paris(2026, 12, 8, 13, 59, 59, 999));
    fakes.clock.advance(100);
    EXPECT_EQ(chimes(), 1);
    // Started at 23:59:59.9, its windows ready only after midnight: the first tick comes at 00:00:01.
    windows.reset();
    fakes.clock.setLocal(paris(2026, 12, 8, 23, 59, 59, 900));
    fakes.clock.stall(300);
    windows = std::make_unique<WindowSet>(fakes.services);
    fakes.clock.advance(1000);
    EXPECT_EQ(chimes(), 2);
    startAt(paris(2026, 12, 9, 14, 0, 0, 400)); // started after 14:00:00: the first tick is 14:00:01
    fakes.clock.advance(1000);
    EXPECT_EQ(chimes(), 2);
}

TEST_F(MainWindow, ActivationAppliesTheChosenFontTheBackgroundAndPlacesTheBell) {
    Form1->ChosenFont = {"Liberation Serif", 20, 0x0000FF, true, false, false, false};
    Form1->BackColor = 0x00FF00;
    Form1->show();
    settle();
    for (vt::Label* label : {Form1->Label1, Form1->Label2, Form1->Label3})
        EXPECT_EQ(label->fontValue(), Form1->ChosenFont);
    for (vt::Form* window : std::initializer_list<vt::Form*>{Form1, Form3, Form8}) // hidden ones too
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(Form1->Image2->x(), Form1->Label1->x() + Form1->Label1->width() + 6);
    EXPECT_GT(Form1->Image2->x(), 128);
}

// At the designed font the texts stand as designed; a larger one keeps them in order, apart and inside a
// window that grows, and that shrinks back with the font. (The designed bell reaches into the date's row.)
TEST_F(MainWindow, TheTextsKeepTheirOrderAndStayInsideTheWindowAtAnyFont) {
    const auto places = [] {
        return QList<QRect>{Form1->Label1->geometry(), Form1->Label2->geometry(), Form1->Label3->geometry(),
                            Form1->centralWidget()->rect(), Form1->Image2->geometry()};
    };
    startAt(paris(2026, 12, 9, 14, 5, 12, 500)); // a Wednesday, the longest weekday
    const QList<QRect> designed = places();
    Form1->show();
    for (const int size : {20, 36, 8}) {
        Form1->ChosenFont.pointSize = size;
        Form1->FormActivate();
        const QList<QRect> at = places();
        const auto [time, date, weekday, client, bell] = std::tuple{at[0], at[1], at[2], at[3], at[4]};
        EXPECT_TRUE(date.top() > time.bottom() && weekday.left() > date.right() &&
                    weekday.top() == date.top() && bell.left() > time.right() &&
                    client.contains(date | weekday | bell | time) &&
                    (size == 8 ? at.mid(0, 4) == designed.mid(0, 4) : !(bell & (date | weekday)).isValid()))
            << size;
    }
}

// The user's locale's words, and the bell beside the time however wide the locale writes it.
TEST_F(MainWindow, TheTimeAndDateSpeakTheUsersLocaleAndTheBellFollowsTheTime) {
    const QLocale french;
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    fakes.clock.timeFormat = "AP h시 m분 s초";
    fakes.clock.dateFormat = "yyyy. MMMM d.";
    Form1->AlarmOn = true;
    Form1->show();
    settle(); // the bell placed at activation, beside "00:00:00"
    fakes.clock.advance(1000);
    QLocale::setDefault(french);
    EXPECT_EQ(Form1->Label1->caption(), "오후 2시 5분 10초");
    EXPECT_EQ(Form1->Label2->caption(), "2026. 12월 8.");
    EXPECT_EQ(Form1->Image2->x(), Form1->Label1->x() + Form1->Label1->width() + 6);
}

// A keyboard alone reaches every command: F10, the arrows, Return; Escape closes.
TEST_F(MainWindow, F10OpensTheMenuAndTheArrowsAndReturnChooseACommand) {
    Form1->show();
    settle();
    QTest::keyClick(Form1, Qt::Key_F10);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Fichier");
    EXPECT_EQ(menu->activeAction(), Form1->Quitter1);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::keyClick(Form1, Qt::Key_F10);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "?");
    while (menu->activeAction() != Form1->Apropos1) {
        QTest::keyClick(menu, Qt::Key_Down);
        ASSERT_NE(menu->activeAction(), nullptr);
    }
    QTest::keyClick(menu, Qt::Key_Return);
    ASSERT_EQ(fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(fakes.boxes.shown[0].caption, "A propos...");
}

TEST_F(MainWindow, ResetAnsweredNoChangesNothing) {
    Form1->Remisezro1Click();
    EXPECT_EQ(fakes.boxes.shown.at(0).text, "Êtes-vous sûr de remettre à zéro le programme?");
    EXPECT_EQ(fakes.boxes.shown.at(0).caption, "Alerte...");
    EXPECT_EQ(fakes.boxes.shown.at(0).flags, 52);
    EXPECT_TRUE(Form1->SaveOnExit);
    EXPECT_FALSE(windows->forms().loopEndRequested());
}

TEST_F(MainWindow, ResetAnsweredYesDeletesTheSettingsAndStartsANewCopyAfterTheTeardown) {
    QFile settings(fakes.folder.file("config.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    fakes.boxes.answers = {vt::Box::AnswerYes};
    Form1->Remisezro1Click();
    EXPECT_FALSE(Form1->SaveOnExit);
    EXPECT_TRUE(windows->forms().loopEndRequested());
    windows->tearDown();
    EXPECT_TRUE(fakes.desktop.opened.isEmpty()); // not while this copy still runs
    windows->restartIfAsked();
    EXPECT_FALSE(settings.exists());
    EXPECT_EQ(fakes.desktop.opened, QStringList({fakes.folder.executable()}));
}

TEST_F(MainWindow, MenuCommands) {
    Form1->Aide1Click();
    EXPECT_EQ(fakes.desktop.opened, QStringList({fakes.folder.file("Aidez-moi.doc")}));
    Form1->Apropos1Click();
    EXPECT_EQ(fakes.boxes.shown.at(0).caption, "A propos...");
    EXPECT_EQ(fakes.boxes.shown.at(0).flags, 64);
    EXPECT_EQ(fakes.boxes.shown.at(0).text.split('\n').size(), 3);
    EXPECT_TRUE(fakes.boxes.shown.at(0).text.startsWith("Programme créé par "));
}

TEST_F(MainWindow, MenuItemsShowTheirWindowsAndQuitEndsTheLoop) {
    const std::pair<QAction*, vt::Form*> items[] = {
        {Form1->Chrono1, Form3}, {Form1->Alarme1, Form6}, {Form1->Compterebours1, Form4}, {Form1->N1, Form2}};
    for (const auto& [item, window] : items) {
        item->trigger();
        EXPECT_TRUE(window->isVisible()) << qPrintable(item->text());
    }
    EXPECT_FALSE(windows->forms().loopEndRequested());
    Form1->Quitter1->trigger();
    EXPECT_TRUE(windows->forms().loopEndRequested());
}

} // namespace
