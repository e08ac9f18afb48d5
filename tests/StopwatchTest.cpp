#include "support/WindowsFixture.h"

#include "shell/Unit1.h"
#include "stopwatch/StopwatchCount.h"
#include "stopwatch/Unit3.h"

#include <QFile>

#include <limits>
#include <optional>

static void PrintTo(const StopwatchCount& count, std::ostream* out) {
    *out << '{' << count.hours << ", " << count.minutes << ", " << count.seconds << ", " << count.tenths
         << '}';
}

namespace {

constexpr qint32 maxInt = std::numeric_limits<qint32>::max();
constexpr qint32 minInt = std::numeric_limits<qint32>::min();
constexpr qint64 tenthsPerHour = 36000;

TEST(StopwatchText, HoursMinutesAndSecondsHaveAZeroBeforeThemBelowTen) {
    const std::pair<StopwatchCount, const char*> texts[] = {
        {{0, 0, 0, 0}, "00:00:00:0"},
        {{1, 2, 3, 4}, "01:02:03:4"},
        {{123, 45, 6, 7}, "123:45:06:7"},
        {{10, 10, 10, 9}, "10:10:10:9"},
        {{-1, 0, 0, 0}, "0-1:00:00:0"},
        {{0, 75, 60, 15}, "00:75:60:15"},
        {{maxInt, 0, 0, 0}, "2147483647:00:00:0"},
    };
    for (const auto& [count, text] : texts)
        EXPECT_EQ(stopwatchText(count), text);
}

TEST(StopwatchCount, CarriesOnlyWhenACounterEqualsItsLimit) {
    struct Carry {
        StopwatchCount from;
        qint64 tenths;
        StopwatchCount to;
    };
    const Carry carries[] = {
        {{0, 0, 0, 0}, 10, {0, 0, 1, 0}},
        {{0, 59, 59, 9}, 1, {1, 0, 0, 0}},
        {{99, 59, 59, 9}, 1, {100, 0, 0, 0}},
        {{0, 0, 60, 0}, 1, {0, 1, 0, 1}}, // a stored 60 carries at the first step
        {{0, 60, 0, 0}, 1, {1, 0, 0, 1}},
        {{0, 60, 60, 9}, 1, {1, 0, 61, 0}},  // the seconds pass 60 in the step that tests them
        {{0, 0, 75, 0}, 100, {0, 0, 85, 0}}, // above the limit: counts on, never carries
        {{0, 0, 0, 15}, 5, {0, 0, 0, 20}},
        {{0, 0, 59, 15}, 1000, {0, 0, 59, 1015}},
        {{0, 0, 0, -3}, 13, {0, 0, 1, 0}}, // below zero: counts up to the limit
        {{maxInt, 59, 59, 9}, 1, {minInt, 0, 0, 0}},
        {{0, 0, 0, maxInt}, 1, {0, 0, 0, minInt}},
        {{0, 0, 0, maxInt}, (qint64(1) << 31) + 11, {0, 0, 1, 0}}, // round through the wrap to 10
        {{0, 0, 0, 0}, 100 * tenthsPerHour, {100, 0, 0, 0}},
        {{0, 0, 0, 0}, 3652 * 24 * tenthsPerHour + 1, {87648, 0, 0, 1}}, // ten years in one step
    };
    for (const Carry& carry : carries) {
        StopwatchCount count = carry.from;
        addTenths(count, carry.tenths);
        EXPECT_EQ(count, carry.to) << stopwatchText(carry.from).toStdString() << " + " << carry.tenths;
    }
}

TEST(StopwatchCount, ManyTenthsAtOnceAreAsManySingleSteps) {
    const StopwatchCount starts[] = {
        {0, 0, 0, 0},
        {0, 59, 59, 9},
        {3, 0, 60, 0},
        {0, 60, 0, 5},
        {0, 60, 60, 9},
        {0, 0, 75, 0},
        {0, 0, 0, 15},
        {0, 0, 0, 10},
        {-1, -5, -1, -7},
        {maxInt, 59, 59, 9},
        {0, 59, maxInt, 9},
        {0, maxInt, maxInt, maxInt - 20},
        {minInt, minInt, minInt, minInt},
    };
    for (const StopwatchCount& start : starts) {
        StopwatchCount stepped = start;
        for (qint64 tenths = 0; tenths <= 2 * tenthsPerHour; ++tenths) {
            StopwatchCount bulk = start;
            addTenths(bulk, tenths);
            ASSERT_EQ(bulk, stepped) << stopwatchText(start).toStdString() << " + " << tenths;
            addTenth(stepped);
        }
    }
}

class Stopwatch : public WindowsFixture {
protected:
    QString shown() const { return Form3->Label1->caption(); }
    void run(qint64 ms) { fakes.clock.advance(ms); }
    void start() { Form3->Button1->click(); }
    void pause() { Form3->Button2->click(); }
    void reset() { Form3->Button3->click(); }

    QString stored(const char* key) {
        return fakes.settings.open().readString("chrono", key, QStringLiteral("(absent)"));
    }
};

TEST_F(Stopwatch, AFirstStartShowsTheDesignedWindowStoppedAtZero) {
    EXPECT_EQ(Form3->windowTitle(), "Chronomètre");
    EXPECT_EQ(Form3->size(), QSize(209, 68));
    EXPECT_EQ(Form3->pos(), QPoint(331, 148));
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

TEST_F(Stopwatch, EveryHideWritesTheRunningStateAndNothingElse) {
    start();
    pause();
    reset();
    EXPECT_FALSE(QFile::exists(settingsPath())); // the buttons write nothing
    Form3->show();
    start();
    run(1000);
    Form3->close();
    EXPECT_EQ(stored("start"), "1");
    Form3->show();
    pause();
    Form3->hide();
    EXPECT_EQ(stored("start"), "0");
    EXPECT_EQ(stored("secpass"), "(absent)");
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
