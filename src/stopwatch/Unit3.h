#pragma once

#include "StopwatchCount.h"
#include "framework/settings/IniFile.h"
#include "framework/windows/Form.h"
#include "ui_Unit3.h"

// The stopwatch: hours, minutes, seconds and tenths of real time, kept through a restart. Timer1 runs while
// it runs; each of its events counts the tenths that have passed on the clock since the last one counted.
class TForm3 : public vt::Form, public Ui::TForm3 {
    Q_OBJECT

public:
    TForm3(vt::Services& services, vt::FormRegistry& registry);

    qint32 Hours = 0;
    qint32 Minutes = 0;
    qint32 Seconds = 0;
    qint32 Tenths = 0;

    // Whether it runs, as its hide writes it.
    void writeRunning(vt::IniFile& ini) const;

public slots:
    void FormCreate();
    void FormHide();
    void FormActivate();
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    StopwatchCount count() const;
    void setCount(const StopwatchCount& count);
    // Adds the whole tenths since `reference` and moves it on by as many.
    void countElapsed();
    void showCount();
    // The counters and whether it runs, as a restart must find them.
    void saveCount();

    // While running: the moment, in elapsed ms, from which time is not counted yet.
    qint64 reference = 0;
    // While stopped: the ms of the tenth begun before the pause, which the next start goes on from.
    qint64 uncounted = 0;
};

inline TForm3* Form3 = nullptr;
