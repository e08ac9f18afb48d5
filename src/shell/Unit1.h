#pragma once

#include "ClockLayout.h"
#include "common/OnceEach.h"
#include "framework/services/ReportOnce.h"
#include "framework/settings/IniFile.h"
#include "framework/windows/Form.h"
#include "ui_Unit1.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <optional>

// The main window: the time, the date, the weekday and the clock face, the menu to every other window,
// and the values several windows share.
class TForm1 : public vt::Form, public Ui::TForm1 {
    Q_OBJECT

public:
    TForm1(vt::Services& services, vt::FormRegistry& registry);

    std::array<QString, 8> DayNames; // by ISO weekday, Monday = 1
    qint32 ShakeCount = 0;
    vt::FontValue ChosenFont;
    vt::Color BackColor = vt::clBtnFace;
    QString ChimeSound;
    QString AlarmSound;
    QString AlarmFile;
    qint32 AlarmHour = 0;
    qint32 AlarmMinute = 0;
    bool AlarmOn = false;
    bool AlarmPlaysSound = false;
    bool SaveOnExit = true;

    vt::MediaPlayer& MediaPlayer1;

    // Shows the bell while the alarm is armed; from the first activation on.
    void showAlarmBell();
    // Writes what a restart must find, and `more` of a window's own keys, in one commit; the font is the
    // one the labels show from the next activation on. A failure to write is said once, and again only
    // after a write went through; with `reports`, it is held there.
    void saveSettings(const std::function<void(vt::IniFile&)>& more = {});
    void saveSettings(vt::PendingReports& reports, const std::function<void(vt::IniFile&)>& more = {});
    // The same, with what the shown windows' hide would write, where nothing may be shown any more (the
    // session is ending, the display is gone, the machine goes to sleep).
    void saveSettingsQuietly() noexcept;
    // Gives a window's captions the theme colour, the font colour of the time.
    void paintInThemeColor(std::initializer_list<QWidget*> captions) const;

public slots:
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    void Timer1Timer();
    void Quitter1Click();
    void Chrono1Click();
    void Alarme1Click();
    void Compterebours1Click();
    void N1Click();
    void Remisezro1Click();
    void Aide1Click();
    void Apropos1Click();

private:
    void readSettings();
    void writeSettings(vt::IniFile& ini) const;
    // While the stopwatch or the countdown runs, their counters reach the file every few seconds.
    void keepRunningCounters();
    void play(const QString& file, const QString& stream);
    void ringAlarm(vt::PendingReports& reports);
    void sayAlarmMissed(vt::PendingReports& reports);
    void showAlarmBox(vt::PendingReports& reports, const QString& text);
    void redrawFace(vt::PendingReports& reports);
    void loadBell(vt::PendingReports& reports);

    std::optional<ClockLayout> clockLayout; // made from the description
    qint64 previousTick = 0;
    OnceEach chimed, alarmsDealtWith;
    QDateTime decoded; // the time the latest tick read; a tick resumed after a nested one draws it
    vt::ReportOnce faceReport, bellReport, chimeReport;
    qint64 lastSaveMs = 0;
    bool activated = false;
};

inline TForm1* Form1 = nullptr;
