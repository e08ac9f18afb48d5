#include "Unit4.h"

#include "Unit5.h"
#include "common/TimeTexts.h"
#include "shell/Unit1.h"

#include <algorithm>
#include <limits>

namespace {

// Hand-edited counters can sit at the ends of the 32-bit range: the step works in 64 bits and stores
// what fits.
qint32 saturated(qint64 value) {
    return qint32(
        std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

// One second off the countdown, with its borrows; true when the countdown has ended.
bool takeOneSecond(TForm5& countdown) {
    qint64 hours = countdown.Hours, minutes = countdown.Minutes, seconds = qint64(countdown.Seconds) - 1;
    if (seconds == -1) {
        seconds = 59;
        --minutes;
    }
    if (minutes == -1) {
        minutes = 59;
        --hours;
    }
    countdown.Hours = saturated(hours);
    countdown.Minutes = saturated(minutes);
    countdown.Seconds = saturated(seconds);
    return (hours <= 0 && minutes <= 0 && seconds <= 0) || hours < 0;
}

} // namespace

TForm4::TForm4(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm4::countFromNow() {
    countedUntilMs = services.clock.elapsedMs();
    // A restart puts the ticks just after each whole second from now, not up to a second late.
    Timer1->setActive(false);
    Timer1->setActive(true);
}

void TForm4::FormActivate() { Form1->paintInThemeColor({Label1}); }

// Each tick takes off the whole seconds gone by since the last one counted, so a late or stalled tick
// loses no time and no second is counted twice.
void TForm4::Timer1Timer() {
    if (!Form5->Running) {
        // Nothing to count until the next start, which sets the timer going again: an idle clock
        // wakes up once a second, not twice.
        Timer1->setActive(false);
        return;
    }
    const qint64 now = services.clock.elapsedMs();
    if (now - countedUntilMs < 1000) return;
    for (; now - countedUntilMs >= 1000; countedUntilMs += 1000) {
        if (takeOneSecond(*Form5)) {
            finish();
            return;
        }
    }
    Label1->setCaption(countdownText(Form5->Hours, Form5->Minutes, Form5->Seconds));
}

void TForm4::Button1Click() {
    LastAnswer = services.boxes.show(
        QStringLiteral(
            "Attention, en continuant, l'ancien compte à rebours sera remis à zéro ! \nContinuer?"),
        QStringLiteral("Attention..."), vt::Box::YesNo | vt::Box::IconInformation);
    if (LastAnswer == vt::Box::AnswerYes) Form5->showInFront();
}

void TForm4::finish() {
    Form5->Running = false;
    // Zeros, also after an end below zero, so that the end does not come again after a restart.
    Form5->Hours = Form5->Minutes = Form5->Seconds = 0;
    Label1->setCaption(QStringLiteral("00:00:00"));
    // What the user asked for comes first; a failure to write the end waits behind the message.
    services.desktop.open(Form5->OpenDialog1.fileName);
    vt::PendingReports reports(services.report);
    Form1->saveSettings(reports);
    if (Form5->CheckBox1->isChecked())
        services.boxes.show(Form5->Edit6->text(), QStringLiteral("Alerte..."),
                            vt::Box::Ok | vt::Box::IconExclamation);
}
