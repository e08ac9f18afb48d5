// How far behind the real second the main window's time label changes: the real main window on the real
// services, run from a copy of the program folder (it reads the face and the settings there).
// usage: second_lag [seconds]   (60 by default)
#include "common/DataFiles.h"
#include "framework/app/Application.h"
#include "framework/platform/DisplayProbe.h"
#include "framework/platform/RealServices.h"
#include "framework/services/ErrorReport.h"
#include "shell/Unit1.h"
#include "shell/WindowSet.h"

#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr qint64 targetMs = 50;

// The start of the second a caption shows, looked for back from now (a late label shows an older second).
std::optional<qint64> secondShown(const QString& caption, const QDateTime& now, const QString& format) {
    for (int back = 0; back < 10; ++back) {
        const QDateTime second = now.addSecs(-back);
        if (second.toString(format) == caption) return second.toMSecsSinceEpoch() - second.time().msec();
    }
    return std::nullopt;
}

// Records, for every change of the time label, how late past its second the text was set and painted.
class LagRecorder : public QObject {
public:
    LagRecorder(const QString& format, int seconds, vt::FormRegistry& forms)
        : format(format), seconds(seconds), forms(forms) {
        Form1->Label1->installEventFilter(this);
        connect(Form1->Timer1, &vt::Timer::timeout, this, &LagRecorder::afterTick);
    }

    std::vector<qint64> setLags, paintLags;
    int missed = 0, unreadable = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && painting) {
            painting = false;
            if (warmedUp) paintLags.push_back(QDateTime::currentMSecsSinceEpoch() - shown);
            if (int(paintLags.size()) >= seconds) forms.endLoop();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Connected after the window's own handler, so the tick has set the label by now.
    void afterTick() {
        const QDateTime now = QDateTime::currentDateTime();
        const QString caption = Form1->Label1->caption();
        if (caption == lastCaption) return;
        lastCaption = caption;
        const std::optional<qint64> second = secondShown(caption, now, format);
        if (!second) {
            ++unreadable;
            return;
        }
        // The first change comes with the window's first showing, not in the steady run.
        warmedUp = shown != 0;
        if (warmedUp) {
            missed += int((*second - shown) / 1000 - 1);
            setLags.push_back(now.toMSecsSinceEpoch() - *second);
        }
        shown = *second;
        painting = true;
    }

    QString format;
    int seconds;
    vt::FormRegistry& forms;
    QString lastCaption;
    qint64 shown = 0;
    bool painting = false;
    bool warmedUp = false;
};

void printSummary(const char* what, std::vector<qint64> lags) {
    if (lags.empty()) {
        std::printf("  %-14s none recorded\n", what);
        return;
    }
    std::sort(lags.begin(), lags.end());
    std::printf("  %-14s min %lld  median %lld  max %lld ms\n", what, (long long)lags.front(),
                (long long)lags[lags.size() / 2], (long long)lags.back());
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    vt::DisplayProbe display;
    if (!display.problem().isEmpty()) {
        std::fprintf(stderr, "second_lag: %s\n", qPrintable(display.problem()));
        return 2;
    }
    vt::Application application(argc, argv);
    display.release();
    application.useFrenchInterface();
    vt::RealServices real(DataFile::all, vt::Application::applicationName());
    application.setErrorReport(&real.report);

    WindowSet windows(real.services);
    LagRecorder recorder(real.clock.longTimeFormat(), seconds, windows.forms());
    windows.showMainWindow();
    // Ends a run whose label stopped changing.
    QTimer::singleShot((seconds + 10) * 1000, &application, [&] { windows.forms().endLoop(); });
    vt::Application::exec();
    windows.tearDown();

    std::printf(
        "Time label behind the real second, %d seconds after one warm-up second (ms past the second):\n",
        seconds);
    printSummary("text set", recorder.setLags);
    printSummary("painted", recorder.paintLags);
    std::printf("  each second, painted:");
    for (qint64 lag : recorder.paintLags)
        std::printf(" %lld", (long long)lag);
    std::printf("\n  seconds never shown: %d, unreadable captions: %d\n", recorder.missed,
                recorder.unreadable);
    const bool pass = int(recorder.paintLags.size()) == seconds && recorder.missed == 0 &&
                      recorder.unreadable == 0 &&
                      *std::max_element(recorder.paintLags.begin(), recorder.paintLags.end()) < targetMs;
    std::printf("  target: every second's label painted under %lld ms: %s\n", (long long)targetMs,
                pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
