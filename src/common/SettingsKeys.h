#pragma once

#include "DataFiles.h"
#include "framework/settings/Setting.h"
#include "framework/style/Color.h"

// Every key of config.ini, by section, with its default.
namespace keys {

using vt::BoolSetting, vt::IntegerSetting, vt::PathSetting, vt::TextSetting;

// The main window's options.
inline constexpr IntegerSetting shakeCount{"option", "vibreur", 250};
inline constexpr IntegerSetting backColor{"option", "couleurfond", vt::clBtnFace};
inline constexpr PathSetting chimeSound{"option", "cloche", DataFile::chime};
// The designed font of the time.
inline constexpr TextSetting fontName{"option", "fontname", "Arial"};
inline constexpr IntegerSetting fontColor{"option", "fontcolor", vt::clWindowText};
inline constexpr IntegerSetting fontSize{"option", "fontsize", 8};

// The alarm.
inline constexpr PathSetting alarmSound{"alarme", "son", DataFile::alarmSound};
inline constexpr PathSetting alarmFile{"alarme", "fichier", DataFile::alarmSound};
inline constexpr IntegerSetting alarmHour{"alarme", "heure", 0};
inline constexpr IntegerSetting alarmMinute{"alarme", "minute", 0};
inline constexpr BoolSetting alarmOn{"alarme", "active", false};
inline constexpr BoolSetting alarmPlaysSound{"alarme", "sonnerieson", false};
inline constexpr BoolSetting alarmShowsMessage{"alarme", "message", false};
inline constexpr TextSetting alarmMessage{"alarme", "textmessage", ""};

// The stopwatch.
inline constexpr IntegerSetting stopwatchHours{"chrono", "heurepass", 0};
inline constexpr IntegerSetting stopwatchMinutes{"chrono", "minpass", 0};
inline constexpr IntegerSetting stopwatchSeconds{"chrono", "secpass", 0};
inline constexpr IntegerSetting stopwatchTenths{"chrono", "millipass", 0};
inline constexpr BoolSetting stopwatchRunning{"chrono", "start", false};

// The countdown.
inline constexpr IntegerSetting countdownHours{"rebours", "heure", 0};
inline constexpr IntegerSetting countdownMinutes{"rebours", "minute", 0};
inline constexpr IntegerSetting countdownSeconds{"rebours", "seconde", 0};
inline constexpr PathSetting countdownFile{"rebours", "execute", DataFile::alarmSound};
inline constexpr BoolSetting countdownShowsMessage{"rebours", "activemessage", false};
inline constexpr TextSetting countdownMessage{"rebours", "message", ""};

inline constexpr vt::SettingName all[] = {
    nameOf(shakeCount),        nameOf(backColor),        nameOf(chimeSound),
    nameOf(fontName),          nameOf(fontColor),        nameOf(fontSize),
    nameOf(alarmSound),        nameOf(alarmFile),        nameOf(alarmHour),
    nameOf(alarmMinute),       nameOf(alarmOn),          nameOf(alarmPlaysSound),
    nameOf(alarmShowsMessage), nameOf(alarmMessage),     nameOf(stopwatchHours),
    nameOf(stopwatchMinutes),  nameOf(stopwatchSeconds), nameOf(stopwatchTenths),
    nameOf(stopwatchRunning),  nameOf(countdownHours),   nameOf(countdownMinutes),
    nameOf(countdownSeconds),  nameOf(countdownFile),    nameOf(countdownShowsMessage),
    nameOf(countdownMessage),
};

} // namespace keys
