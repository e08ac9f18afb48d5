#include "Unit1.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "artwork/ClockArt.h"
#include "common/ClockHands.h"
#include "common/SettingsKeys.h"
#include "common/TimeCrossing.h"
#include "common/TimeTexts.h"
#include "common/WindowShake.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/settings/IniFile.h"
#include "options/Unit2.h"
#include "stopwatch/Unit3.h"

#include <algorithm>
#include <utility>

TForm1::TForm1(vt::Services& services, vt::FormRegistry& registry)
    : Form(services, registry), MediaPlayer1(services.player) {
    setupUi(this);
    clockLayout.emplace(*this, *Image1, *Label1, *Label2, *Label3, *Image2);
    // Every size, for docks and task switchers.
    setWindowIcon(vt::clockIcon());
    Image1->setPicture(vt::drawClockFace()); // the designed face, until the first tick loads the file's
}

void TForm1::FormCreate() {
    SaveOnExit = true;
    // The first tick's interval starts with the program, so a start just before a full hour still chimes.
    previousTick = services.clock.programStartMs();
    readSettings();
    DayNames = {"", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
    ChosenFont = Label1->fontValue();
}

void TForm1::readSettings() {
    const vt::IniFile& ini = services.settings.read();
    const QString folder = services.folder.path();
    ShakeCount = ini.read(keys::shakeCount);
    BackColor = ini.read(keys::backColor);
    ChimeSound = ini.read(keys::chimeSound, folder);
    AlarmSound = ini.read(keys::alarmSound, folder);
    AlarmFile = ini.read(keys::alarmFile, folder);
    // A hand-edited time out of its range is taken at the nearer bound, shown and rung there.
    AlarmHour = std::clamp(ini.read(keys::alarmHour), 0, 23);
    AlarmMinute = std::clamp(ini.read(keys::alarmMinute), 0, 59);
    AlarmOn = ini.read(keys::alarmOn);
    AlarmPlaysSound = ini.read(keys::alarmPlaysSound);
    for (vt::Label* label : {Label1, Label2, Label3}) {
        vt::FontValue font = label->fontValue();
        font.family = ini.read(keys::fontName);
        // A size a font can't have is taken at the nearer bound.
        font.pointSize = std::clamp(ini.read(keys::fontSize), 1, 500);
        font.color = ini.read(keys::fontColor);
        label->setFontValue(font);
    }
}

void TForm1::FormDestroy() {
    if (SaveOnExit) saveSettings();
}

void TForm1::saveSettings(const std::function<void(vt::IniFile&)>& more) {
    vt::PendingReports reports(services.report);
    saveSettings(reports, more);
}

void TForm1::saveSettings(vt::PendingReports& reports, const std::function<void(vt::IniFile&)>& more) {
    lastSaveMs = services.clock.elapsedMs();
    services.settings.write(
        [&](vt::IniFile& ini) {
            writeSettings(ini);
            if (more) more(ini);
        },
        reports);
}

void TForm1::saveSettingsQuietly() noexcept {
    services.settings.writeQuietly([&](vt::IniFile& ini) {
        writeSettings(ini);
        // What their hide would add, in the teardown's order.
        if (Form8->isVisible()) Form8->writeMessage(ini);
        if (Form5->isVisible()) Form5->writeFileAndMessage(ini);
        if (Form3->isVisible()) Form3->writeRunning(ini);
    });
}

// The font is the one the labels take at the next activation, which may not have come yet.
void TForm1::writeSettings(vt::IniFile& ini) const {
    ini.write(keys::shakeCount, ShakeCount);
    ini.write(keys::backColor, BackColor);
    ini.write(keys::chimeSound, ChimeSound);
    ini.write(keys::alarmSound, AlarmSound);
    ini.write(keys::alarmFile, AlarmFile);
    ini.write(keys::alarmHour, AlarmHour);
    ini.write(keys::alarmMinute, AlarmMinute);
    ini.write(keys::alarmOn, AlarmOn);
    ini.write(keys::alarmPlaysSound, AlarmPlaysSound);
    ini.write(keys::stopwatchHours, Form3->Hours);
    ini.write(keys::stopwatchMinutes, Form3->Minutes);
    ini.write(keys::stopwatchSeconds, Form3->Seconds);
    ini.write(keys::stopwatchTenths, Form3->Tenths);
    ini.write(keys::countdownHours, Form5->Hours);
    ini.write(keys::countdownMinutes, Form5->Minutes);
    ini.write(keys::countdownSeconds, Form5->Seconds);
    ini.write(keys::fontName, ChosenFont.family);
    ini.write(keys::fontColor, ChosenFont.color);
    ini.write(keys::fontSize, ChosenFont.pointSize);
}

void TForm1::keepRunningCounters() {
    // At most this much counting is lost when the program ends without a word (a crash, a power cut).
    constexpr qint64 savedEveryMs = 9000;
    if ((Form3->Timer1->isActive() || Form5->Running) &&
        services.clock.elapsedMs() - lastSaveMs >= savedEveryMs)
        saveSettings();
}

void TForm1::FormActivate() {
    AlarmOn = Form6->RadioButton1->isChecked();
    AlarmPlaysSound = Form8->RadioButton1->isChecked();
    activated = true;
    // Reported last, so that a missing bell doesn't keep the rest of the activation from the screen.
    vt::PendingReports reports(services.report);
    loadBell(reports);
    for (vt::Label* label : {Label1, Label2, Label3})
        label->setFontValue(ChosenFont);
    for (vt::Form* window :
         std::initializer_list<vt::Form*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8})
        vt::applyBackground(*window, BackColor);
    clockLayout->apply();
}

void TForm1::paintInThemeColor(std::initializer_list<QWidget*> captions) const {
    for (QWidget* caption : captions)
        vt::setCaptionColor(*caption, Label1->fontColor());
}

void TForm1::showAlarmBell() {
    if (!activated) return;
    vt::PendingReports reports(services.report);
    loadBell(reports);
}

void TForm1::loadBell(vt::PendingReports& reports) {
    Image2->setAccessibleName(AlarmOn ? QStringLiteral("Alarme activée") : QString());
    if (!AlarmOn) {
        Image2->clear();
        return;
    }
    bellReport.collect(reports, [&] { Image2->loadFromFile(services.folder.file(DataFile::alarmBell)); });
}

void TForm1::Timer1Timer() {
    // One reading of the clock serves the whole tick, so the date and the time always agree.
    const QDateTime now = services.clock.localNow();
    const qint64 instant = now.toMSecsSinceEpoch();
    const qint64 previous = std::exchange(previousTick, instant);
    decoded = now;

    // The user's locale's words too (day periods, month names), not only its patterns.
    const QLocale locale;
    Label1->setCaption(locale.toString(now, services.clock.longTimeFormat()));
    Label2->setCaption(locale.toString(now.date(), services.clock.shortDateFormat()));
    Label3->setCaption(DayNames[now.date().dayOfWeek()]);
    clockLayout->apply(); // the texts' widths, their locale's too, move what follows them

    // Failures are reported once the tick is done, so that no report holds it halfway.
    vt::PendingReports reports(services.report);
    // A time signal: an hour that came longer ago (a sleep, the clock put forward) is let go.
    constexpr qint64 chimeLateMs = 60'000;
    if (const auto hour = lastFullHourBetween(previous, instant);
        hour && instant - *hour <= chimeLateMs && chimed.firstTime(*hour)) {
        // Without a sound output this would be said every hour: once is enough.
        chimeReport.collect(reports, [&] { play(ChimeSound, "Carillon"); });
        shakeWindow(*this, ShakeCount, services);
    }
    // Later than this, the alarm would sound at an hour nobody chose: it is said to be missed instead.
    constexpr qint64 alarmLateMs = 5 * 60'000;
    const auto alarm =
        AlarmOn ? lastComingBetween(previous, instant, QTime(AlarmHour, AlarmMinute)) : std::nullopt;
    if (alarm && alarmsDealtWith.firstTime(*alarm)) {
        if (instant - *alarm <= alarmLateMs)
            ringAlarm(reports);
        else
            sayAlarmMissed(reports);
    }
    redrawFace(reports);
    keepRunningCounters();
}

void TForm1::play(const QString& file, const QString& stream) {
    MediaPlayer1.setStreamName(stream);
    MediaPlayer1.setFileName(file);
    MediaPlayer1.open();
    MediaPlayer1.play();
}

void TForm1::ringAlarm(vt::PendingReports& reports) {
    if (Form8->RadioButton1->isChecked()) {
        // A sleeping user is woken by a sound, not by a silent box: the default one, then.
        const QString fallback = services.folder.file(DataFile::alarmSound);
        if (!reports.collect([&] { play(AlarmSound, "Alarme"); }) && AlarmSound != fallback)
            reports.collect([&] { play(fallback, "Alarme"); });
    } else {
        services.desktop.open(AlarmFile);
    }
    if (Form8->CheckBox1->isChecked()) showAlarmBox(reports, Form8->Edit3->text());
}

void TForm1::sayAlarmMissed(vt::PendingReports& reports) {
    QString text = QStringLiteral("Alarme de %1 manquée.").arg(alarmTimeText(AlarmHour, AlarmMinute));
    if (Form8->CheckBox1->isChecked()) text += '\n' + Form8->Edit3->text();
    showAlarmBox(reports, text);
}

void TForm1::showAlarmBox(vt::PendingReports& reports, const QString& text) {
    reports.flush();
    services.boxes.show(text, "Alarme", vt::Box::Ok | vt::Box::IconExclamation);
}

void TForm1::redrawFace(vt::PendingReports& reports) {
    if (faceReport.collect(reports, [&] { Image1->loadFromFile(services.folder.file(DataFile::clockFace)); }))
        drawHands(*Image1, decoded.time());
}

void TForm1::Quitter1Click() { registry.endLoop(); }

void TForm1::Chrono1Click() { Form3->showInFront(); }

void TForm1::Alarme1Click() { Form6->showInFront(); }

void TForm1::Compterebours1Click() { Form4->showInFront(); }

void TForm1::N1Click() { Form2->showInFront(); }

void TForm1::Remisezro1Click() {
    if (services.boxes.show("Êtes-vous sûr de remettre à zéro le programme?", "Alerte...",
                            vt::Box::YesNo | vt::Box::IconExclamation) != vt::Box::AnswerYes)
        return;
    SaveOnExit = false;
    // From now on this copy writes nothing, not even the windows' hide-time keys at the teardown.
    services.settings.stopWriting();
    registry.endLoopAndRestart();
}

void TForm1::Aide1Click() { services.desktop.open(services.folder.file(DataFile::help)); }

void TForm1::Apropos1Click() {
    services.boxes.show("Programme créé par l'équipe Vantorel\nTéléchargé sur :\nhttps://vantorel.org",
                        "A propos...", vt::Box::Ok | vt::Box::IconInformation);
}
