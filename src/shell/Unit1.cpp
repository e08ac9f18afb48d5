#include "Unit1.h"

#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "artwork/ClockArt.h"
#include "common/ClockHands.h"
#include "common/TimeCrossing.h"
#include "common/WindowShake.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/app/Application.h"
#include "framework/core/Failure.h"
#include "framework/settings/IniFile.h"
#include "options/Unit2.h"
#include "stopwatch/Unit3.h"

#include <algorithm>
#include <utility>

TForm1::TForm1(vt::Services& services) : Form(services), MediaPlayer1(services.player) {
    Form1 = this;
    setupUi(this);
    setWindowIcon(QIcon(QPixmap::fromImage(vt::drawClockIcon(32))));
    Image1->setPicture(vt::drawClockFace()); // the designed face, until the first tick loads the file's
    loaded();
}

TForm1::~TForm1() { Form1 = nullptr; }

void TForm1::FormCreate() {
    SaveOnExit = true;
    readSettings();
    DayNames = {"", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
    ChosenFont = Label1->fontValue();
}

void TForm1::readSettings() {
    const vt::IniFile ini = services.settings.open();
    const QString folder = services.folder.path();
    ShakeCount = ini.readInteger("option", "vibreur", 250);
    BackColor = ini.readInteger("option", "couleurfond", vt::clBtnFace);
    ChimeSound = ini.readString("option", "cloche", folder + "ding.wav");
    AlarmSound = ini.readString("alarme", "son", folder + "alarme1.wav");
    AlarmFile = ini.readString("alarme", "fichier", folder + "alarme1.wav");
    AlarmHour = ini.readInteger("alarme", "heure", 0);
    AlarmMinute = ini.readInteger("alarme", "minute", 0);
    AlarmOn = ini.readBool("alarme", "active", false);
    AlarmPlaysSound = ini.readBool("alarme", "sonnerieson", false);
    // Label1 first: its values are the defaults of the two others.
    for (vt::Label* label : {Label1, Label2, Label3}) {
        vt::FontValue font = label->fontValue();
        font.family = ini.readString("option", "fontname", Label1->fontValue().family);
        // A size a font can't have is taken at the nearer bound.
        font.pointSize =
            std::clamp(ini.readInteger("option", "fontsize", Label1->fontValue().pointSize), 1, 500);
        font.color = ini.readInteger("option", "fontcolor", Label1->fontColor());
        label->setFontValue(font);
    }
}

void TForm1::FormDestroy() {
    if (SaveOnExit) writeSettings();
}

void TForm1::writeSettings() {
    vt::IniFile ini = services.settings.open();
    ini.writeInteger("option", "vibreur", ShakeCount);
    ini.writeInteger("option", "couleurfond", BackColor);
    ini.writeString("option", "cloche", ChimeSound);
    ini.writeString("alarme", "son", AlarmSound);
    ini.writeString("alarme", "fichier", AlarmFile);
    ini.writeInteger("alarme", "heure", AlarmHour);
    ini.writeInteger("alarme", "minute", AlarmMinute);
    ini.writeBool("alarme", "active", AlarmOn);
    ini.writeBool("alarme", "sonnerieson", AlarmPlaysSound);
    ini.writeInteger("chrono", "heurepass", Form3->Hours);
    ini.writeInteger("chrono", "minpass", Form3->Minutes);
    ini.writeInteger("chrono", "secpass", Form3->Seconds);
    ini.writeInteger("chrono", "millipass", Form3->Tenths);
    ini.writeInteger("rebours", "heure", Form5->Hours);
    ini.writeInteger("rebours", "minute", Form5->Minutes);
    ini.writeInteger("rebours", "seconde", Form5->Seconds);
    const vt::FontValue font = Label1->fontValue();
    ini.writeString("option", "fontname", font.family);
    ini.writeInteger("option", "fontcolor", font.color);
    ini.writeInteger("option", "fontsize", font.pointSize);
    ini.commit();
}

void TForm1::FormActivate() {
    AlarmOn = Form6->RadioButton1->isChecked();
    AlarmPlaysSound = Form8->RadioButton1->isChecked();
    activated = true;
    const std::optional<QString> bellFailure = loadBell();
    for (vt::Label* label : {Label1, Label2, Label3})
        label->setFontValue(ChosenFont);
    for (vt::Form* window :
         std::initializer_list<vt::Form*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8})
        vt::applyBackground(*window, BackColor);
    Image2->move(Label1->x() + Label1->width() + 6, Image2->y());
    // Reported last, so that a missing bell doesn't keep the rest of the activation from the screen.
    if (bellFailure) vt::Application::instance()->report(*bellFailure);
}

void TForm1::showAlarmBell() {
    if (!activated) return;
    if (const std::optional<QString> failure = loadBell()) vt::Application::instance()->report(*failure);
}

std::optional<QString> TForm1::loadBell() {
    if (!AlarmOn) {
        Image2->clear();
        return {};
    }
    try {
        Image2->loadFromFile(services.folder.file("CLOCHE.BMP"));
        bellMissing = false;
        return {};
    } catch (const std::exception& failure) {
        // Said once; said again only after the picture has come back and gone again.
        if (std::exchange(bellMissing, true)) return {};
        return vt::messageOf(failure);
    }
}

void TForm1::Timer1Timer() {
    // One reading of the clock serves the whole tick, so the date and the time always agree.
    const QDateTime now = services.clock.localNow();
    const qint64 instant = now.toMSecsSinceEpoch();
    const qint64 previous = previousTick.value_or(instant - 1000);
    previousTick = instant;
    decoded = now;

    Label1->setCaption(now.toString(services.clock.longTimeFormat()));
    Label2->setCaption(now.date().toString(services.clock.shortDateFormat()));
    Label3->setCaption(DayNames[now.date().dayOfWeek()]);

    // Failures are reported once the tick is done, so that no report holds it halfway.
    QStringList failures;
    if (fullHourComesBetween(previous, instant)) {
        if (const std::optional<QString> failure = playSound(ChimeSound)) failures << *failure;
        shakeWindow(*this, ShakeCount, services);
    }
    const QTime alarmTime(AlarmHour, AlarmMinute);
    if (AlarmOn && alarmTime.isValid() && comesBetween(previous, instant, alarmTime)) ringAlarm(failures);
    redrawFace(failures);
    for (const QString& failure : failures)
        vt::Application::instance()->report(failure);
}

std::optional<QString> TForm1::playSound(const QString& file) {
    try {
        MediaPlayer1.setFileName(file);
        MediaPlayer1.open();
        MediaPlayer1.play();
        return {};
    } catch (const std::exception& failure) {
        return vt::messageOf(failure);
    }
}

void TForm1::ringAlarm(QStringList& failures) {
    if (Form8->RadioButton1->isChecked()) {
        if (const std::optional<QString> failure = playSound(AlarmSound)) {
            failures << *failure;
            // A sleeping user is woken by a sound, not by a silent box: the default one, then.
            const QString fallback = services.folder.file("alarme1.wav");
            if (AlarmSound != fallback)
                if (const std::optional<QString> fallbackFailure = playSound(fallback))
                    failures << *fallbackFailure;
        }
    } else {
        services.desktop.open(AlarmFile);
    }
    if (Form8->CheckBox1->isChecked()) {
        for (const QString& failure : std::exchange(failures, {}))
            vt::Application::instance()->report(failure);
        services.boxes.show(Form8->Edit3->text(), "Alarme", vt::Box::Ok | vt::Box::IconExclamation);
    }
}

void TForm1::redrawFace(QStringList& failures) {
    try {
        Image1->loadFromFile(services.folder.file("Horloge.bmp"));
    } catch (const std::exception& failure) {
        // Said once; said again only after the picture has come back and gone again.
        if (!faceMissing) failures << vt::messageOf(failure);
        faceMissing = true;
        return;
    }
    faceMissing = false;
    drawHands(*Image1, decoded.time());
}

void TForm1::Quitter1Click() { vt::Application::instance()->endLoop(); }

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
    vt::Application::instance()->endLoopAndRestart();
}

void TForm1::Aide1Click() { services.desktop.open(services.folder.file("Aidez-moi.doc")); }

void TForm1::Apropos1Click() {
    services.boxes.show("Programme créé par l'équipe Vantorel\nTéléchargé sur :\nhttps://vantorel.org",
                        "A propos...", vt::Box::Ok | vt::Box::IconInformation);
}
