#include "support/WindowsFixture.h"

#include "shell/Unit1.h"
#include "stopwatch/StopwatchCount.h"
#include "stopwatch/Unit3.h"

#include <QFile>

#include <limits>
#include <optional>

namespace {

constexpr qint32 maxInt = std::numeric_limits<qint32>::max();
constexpr qint32 minInt = std::numeric_limits<qint32>::min();
constexpr qint64 tenthsPerHour = 36000;

class Stopwatch : public WindowsFixture {
protected:
    QString shown() const { return Form3->Label1->caption(); }
    void run(qint64 ms) { fakes.clock.advance(ms); }
    void start() { Form3->Button1->click(); }
    void pause() { Form3->Button2->click(); }
    void reset() { Form3->Button3->click(); }

    QString stored(const char* key) {
        return fakes.settings.read().readString("chrono", key, QStringLiteral("(absent)"));
    }
};

TEST_F(Stopwatch, AFirstStartShowsTheDesignedControlsStoppedAtZero) {
    EXPECT_EQ(Form3->Button1->text(), "Start ");
    EXPECT_EQ(Form3->Button2->text(), "Pause");
    EXPECT_EQ(Form3->Button3->text(), "RAZ");
    for (QPushButton* button : {Form3->Button1, Form3->Button2, Form3->Button3})
        EXPECT_EQ(button->size(), QSize(57, 17));
    EXPECT_TRUE(Form3->Label1->fontValue().bold);
    EXPECT_EQ(Form3->Label1->fontValue().pointSize, 14);
    EXPECT_EQ(Form3->Timer1->interval(), 100);
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(shown(), "00:00:00:0");
    EXPECT_FALSE(Form3->Timer1->isActive());
    run(5000);
    EXPECT_EQ(shown(), "00:00:00:0");
}

TEST_F(Stopwatch, CountsRealTimeAlsoWhenATickComesLate) {
    start();
    run(100);
    EXPECT_EQ(shown(), "00:00:00:1");
    run(900);
    EXPECT_EQ(shown(), "00:00:01:0");
    fakes.clock.stall(3000); // no event for 3 s
    run(0);
    EXPECT_EQ(shown(), "00:00:04:0");
    fakes.clock.stall(5 * 3600 * 1000); // a suspend
    run(0);
    EXPECT_EQ(shown(), "05:00:04:0");
}

TEST_F(Stopwatch, StartWhileRunningChangesNothing) {
    start();
    run(50);
    start();
    run(50); // the interval in progress goes on
    EXPECT_EQ(shown(), "00:00:00:1");
    run(900);
    EXPECT_EQ(shown(), "00:00:01:0");
}

TEST_F(Stopwatch, PauseCountsWhatPassedAndKeepsThePartOfATenth) {
    start();
    run(250);
    EXPECT_EQ(shown(), "00:00:00:2");
    fakes.clock.stall(3000);
    pause();
    EXPECT_EQ(shown(), "00:00:03:2");
    EXPECT_FALSE(Form3->Timer1->isActive());
    run(10000);
    EXPECT_EQ(shown(), "00:00:03:2");
    for (int i = 0; i < 4; ++i) { // 150 ms each: no time lost between a pause and the next start
        start();
        run(150);
        pause();
    }
    EXPECT_EQ(shown(), "00:00:03:8");
    pause(); // stopped already: the 50 ms begun stay
    start();
    run(50);
    pause();
    EXPECT_EQ(shown(), "00:00:03:9");
}

TEST_F(Stopwatch, ResetWhileRunningStopsAtZeroAndForgetsTheTenthBegun) {
    start();
    run(1500);
    reset();
    EXPECT_EQ(shown(), "00:00:00:0");
    EXPECT_FALSE(Form3->Timer1->isActive());
    run(1000);
    EXPECT_EQ(shown(), "00:00:00:0");
    start();
    run(150);
    pause();
    reset();
    start();
    run(50);
    pause();
    EXPECT_EQ(shown(), "00:00:00:0");
    start();
    run(300);
    EXPECT_EQ(shown(), "00:00:00:3");
}

TEST_F(Stopwatch, AHiddenStopwatchGoesOnCounting) {
    Form3->showInFront();
    start();
    Form3->close();
    run(2000);
    Form3->showInFront();
    EXPECT_EQ(shown(), "00:00:02:0");
}

TEST_F(Stopwatch, EveryButtonWritesTheCountAndTheRunningStateAndEveryHideTheRunningState) {
    Form3->show();
    start();
    EXPECT_EQ(stored("start"), "1");
    run(1500);
    pause();
    EXPECT_EQ(stored("start"), "0");
    EXPECT_EQ(stored("secpass"), "1");
    EXPECT_EQ(stored("millipass"), "5");
    start();
    run(1000);
    Form3->close();
    EXPECT_EQ(stored("start"), "1");
    EXPECT_EQ(stored("secpass"), "2"); // a hide writes the count with the running state
    Form3->show();
    reset();
    EXPECT_EQ(stored("start"), "0");
    EXPECT_EQ(stored("secpass"), "0");
}

TEST_F(Stopwatch, TheCountAndTheRunningStateSurviveARestart) {
    Form3->show();
    start();
    run(5000);
    windows.reset();
    fakes.clock.stall(60000); // the program closed: not counted
    windows = std::make_unique<WindowSet>(fakes.services);
    EXPECT_TRUE(Form3->Timer1->isActive());
    EXPECT_EQ(shown(), "00:00:05:0");
    run(1000);
    EXPECT_EQ(shown(), "00:00:06:0");
    Form3->show(); // the state is written when the window hides
    pause();
    restart();
    EXPECT_FALSE(Form3->Timer1->isActive());
    run(1000);
    EXPECT_EQ(shown(), "00:00:06:0");
}

TEST_F(Stopwatch, ResumedAtStartUpAndNeverShownItDoesNotRewriteStart) {
    restart("[chrono]\nheurepass=2\nminpass=59\nsecpass=59\nmillipass=5\nstart=2\n");
    EXPECT_TRUE(Form3->Timer1->isActive());
    EXPECT_EQ(shown(), "02:59:59:5");
    run(500);
    EXPECT_EQ(shown(), "03:00:00:0");
    windows->tearDown();
    EXPECT_EQ(stored("start"), "2");
    EXPECT_EQ(stored("heurepass"), "3");
}

TEST_F(Stopwatch, HandEditedValuesAreTakenAsTheyCome) {
    const struct {
        const char* keys;
        qint64 ms;
        const char* shown;
    } cases[] = {
        {"secpass=60\n", 100, "00:01:00:1"},
        {"minpass=60\n", 100, "01:00:00:1"},
        {"secpass=75\nmillipass=9\n", 1100, "00:00:77:0"},
        {"millipass=15\n", 300, "00:00:00:18"},
        {"heurepass=-1\n", 0, "0-1:00:00:0"},
    };
    for (const auto& edited : cases) {
        restart(QByteArray("[chrono]\nstart=1\n") + edited.keys);
        run(edited.ms);
        EXPECT_EQ(shown(), edited.shown) << edited.keys;
    }
}

TEST_F(Stopwatch, ActivationTakesTheThemeColour) {
    Form1->Label1->setFontColor(0x0000FF);
    Form3->showInFront();
    settle();
    EXPECT_EQ(Form3->Label1->fontColor(), 0x0000FF);
}

TEST_F(Stopwatch, TheCountGrowsWiderPastNinetyNineHours) {
    restart("[chrono]\nheurepass=99\nminpass=59\nsecpass=59\nmillipass=9\n");
    const int width = Form3->Label1->width();
    start();
    run(100);
    EXPECT_EQ(shown(), "100:00:00:0");
    EXPECT_GT(Form3->Label1->width(), width);
    EXPECT_LE(Form3->Label1->geometry().right(), Form3->width());
}

} // namespace
