#include "Unit3.h"

#include "common/SettingsKeys.h"
#include "framework/settings/IniFile.h"
#include "shell/Unit1.h"

namespace {
constexpr qint64 tenthMs = 100;
} // namespace

TForm3::TForm3(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

StopwatchCount TForm3::count() const { return {Hours, Minutes, Seconds, Tenths}; }

void TForm3::setCount(const StopwatchCount& count) {
    Hours = count.hours;
    Minutes = count.minutes;
    Seconds = count.seconds;
    Tenths = count.tenths;
}

void TForm3::countElapsed() {
    const qint64 tenths = (services.clock.elapsedMs() - reference) / tenthMs;
    if (tenths <= 0) return;
    StopwatchCount counted = count();
    addTenths(counted, tenths);
    setCount(counted);
    reference += tenths * tenthMs;
}

void TForm3::showCount() { Label1->setCaption(stopwatchText(count())); }

void TForm3::FormCreate() {
    const vt::IniFile& ini = services.settings.read();
    Hours = ini.read(keys::stopwatchHours);
    Minutes = ini.read(keys::stopwatchMinutes);
    Seconds = ini.read(keys::stopwatchSeconds);
    Tenths = ini.read(keys::stopwatchTenths);
    Timer1->setActive(ini.read(keys::stopwatchRunning));
    // The time while the program was closed isn't counted: a running stopwatch goes on from now.
    reference = services.clock.elapsedMs();
    showCount();
}

void TForm3::writeRunning(vt::IniFile& ini) const { ini.write(keys::stopwatchRunning, Timer1->isActive()); }

void TForm3::FormHide() { saveCount(); }

void TForm3::saveCount() {
    Form1->saveSettings([&](vt::IniFile& ini) { writeRunning(ini); });
}

void TForm3::FormActivate() { Form1->paintInThemeColor({Label1}); }

void TForm3::Timer1Timer() {
    countElapsed();
    showCount();
}

void TForm3::Button1Click() {
    if (Timer1->isActive()) return;
    reference = services.clock.elapsedMs() - uncounted;
    uncounted = 0;
    Timer1->setActive(true);
    saveCount();
}

void TForm3::Button2Click() {
    if (!Timer1->isActive()) return;
    countElapsed();
    uncounted = services.clock.elapsedMs() - reference;
    Timer1->setActive(false);
    showCount();
    saveCount();
}

void TForm3::Button3Click() {
    Label1->setCaption(QStringLiteral("00:00:00:0"));
    setCount({});
    Timer1->setActive(false);
    uncounted = 0;
    saveCount();
}
