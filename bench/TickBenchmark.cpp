// The cost of the main window's clock tick and of the full-hour test it makes every second.
#include "support/Fakes.h"

#include "artwork/ClockArt.h"
#include "assets/ProgramFiles.h"
#include "common/ClockHands.h"
#include "common/TimeCrossing.h"
#include "framework/app/Application.h"
#include "shell/Unit1.h"
#include "shell/WindowSet.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <ctime>
#include <memory>

namespace {

const QDateTime startOfRun(QDate(2026, 12, 8), QTime(14, 0, 1, 3));

void writePicture(const QString& path, const QImage& picture) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(vt::bmpFile256(picture)) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

// The eight windows on fake services with the pictures in the program folder, the main window shown.
struct MainWindow {
    Fakes fakes;
    std::unique_ptr<WindowSet> windows;

    MainWindow() {
        writePicture(fakes.folder.file("Horloge.bmp"), vt::drawClockFace());
        writePicture(fakes.folder.file("CLOCHE.BMP"), vt::drawBell());
        fakes.clock.setLocal(startOfRun);
        windows = std::make_unique<WindowSet>(fakes.services);
        windows->showMainWindow();
        settle();
        Form1->Timer1Timer();
    }

    // One second on. Before the next full hour the clock goes back to the start of the run, untimed: a
    // chime and a shake are not the ordinary tick.
    void nextSecond(benchmark::State& state) {
        const QTime time = fakes.clock.localNow().time();
        if (time.minute() == 59 && time.second() >= 58) {
            state.PauseTiming();
            fakes.clock.setLocal(startOfRun);
            Form1->Timer1Timer();
            state.ResumeTiming();
        }
        fakes.clock.stall(1000);
    }
};

// The whole tick: the three labels, the face read from "Horloge.bmp", the hands; with the alarm armed
// (argument 1) it also tests whether the alarm time came.
void BM_MainWindowTick(benchmark::State& state) {
    MainWindow window;
    Form1->AlarmOn = state.range(0) != 0;
    Form1->AlarmHour = 7;
    for (auto _ : state) {
        window.nextSecond(state);
        Form1->Timer1Timer();
    }
}
BENCHMARK(BM_MainWindowTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The tick and the repaint it causes (offscreen).
void BM_MainWindowTickPainted(benchmark::State& state) {
    MainWindow window;
    for (auto _ : state) {
        window.nextSecond(state);
        Form1->Timer1Timer();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_MainWindowTickPainted)->Unit(benchmark::kMicrosecond);

// The parts of the tick on their own.
void BM_TickLabels(benchmark::State& state) {
    MainWindow window;
    for (auto _ : state) {
        window.nextSecond(state);
        const QDateTime now = window.fakes.clock.localNow();
        Form1->Label1->setCaption(now.toString(window.fakes.clock.longTimeFormat()));
        Form1->Label2->setCaption(now.date().toString(window.fakes.clock.shortDateFormat()));
        Form1->Label3->setCaption(Form1->DayNames[now.date().dayOfWeek()]);
    }
}
BENCHMARK(BM_TickLabels)->Unit(benchmark::kMicrosecond);

void BM_TickFaceReload(benchmark::State& state) {
    MainWindow window;
    const QString face = window.fakes.folder.file("Horloge.bmp");
    for (auto _ : state)
        Form1->Image1->loadFromFile(face);
}
BENCHMARK(BM_TickFaceReload)->Unit(benchmark::kMicrosecond);

void BM_TickHands(benchmark::State& state) {
    MainWindow window;
    for (auto _ : state) {
        window.nextSecond(state);
        drawHands(*Form1->Image1, window.fakes.clock.localNow().time());
    }
}
BENCHMARK(BM_TickHands)->Unit(benchmark::kMicrosecond);

qint64 utcMs(QDate date, QTime time) { return QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch(); }

// The full-hour test over one second of the tick, ending at `previous` + 1 s.
void fullHourTest(benchmark::State& state, qint64 previous) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(previous);
        benchmark::DoNotOptimize(lastFullHourBetween(previous, previous + 1000));
    }
}

void BM_FullHourOrdinarySecond(benchmark::State& state) {
    fullHourTest(state, QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9, 3)).toMSecsSinceEpoch());
}
BENCHMARK(BM_FullHourOrdinarySecond);

void BM_FullHourAcrossFullHour(benchmark::State& state) {
    fullHourTest(state, QDateTime(QDate(2026, 12, 8), QTime(14, 59, 59, 3)).toMSecsSinceEpoch());
}
BENCHMARK(BM_FullHourAcrossFullHour);

// Europe/Paris changes its offset at 01:00 UTC: 02:00 becomes 03:00 in March, 03:00 becomes 02:00 in October.
void BM_FullHourAcrossDaylightSavingStart(benchmark::State& state) {
    fullHourTest(state, utcMs(QDate(2026, 3, 29), QTime(0, 59, 59, 3)));
}
BENCHMARK(BM_FullHourAcrossDaylightSavingStart);

void BM_FullHourAcrossDaylightSavingEnd(benchmark::State& state) {
    fullHourTest(state, utcMs(QDate(2026, 10, 25), QTime(0, 59, 59, 3)));
}
BENCHMARK(BM_FullHourAcrossDaylightSavingEnd);

QtMessageHandler qtHandler = nullptr;

// The offscreen platform's notes about raising windows and the runtime folder say nothing about the tick.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Paris");
    tzset();
    qtHandler = qInstallMessageHandler(dropPlatformNotes);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vt::Application application(argc, argv);
    application.useFrenchInterface();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
