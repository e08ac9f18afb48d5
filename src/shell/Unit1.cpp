#include "Unit1.h"

#include "ClockFace.h"
#include "TimeCrossing.h"
#include "WindowShake.h"
#include "alarm/Unit6.h"
#include "alarm/Unit7.h"
#include "alarm/Unit8.h"
#include "artwork/ClockArt.h"
#include "countdown/Unit4.h"
#include "countdown/Unit5.h"
#include "framework/Application.h"
#include "framework/Failure.h"
#include "options/Unit2.h"
#include "stopwatch/Unit3.h"

TForm1::TForm1(vt::Services& services) : Form(services), MediaPlayer1(services.player) {
    Form1 = this;
    setupUi(this);
    setWindowIcon(QIcon(QPixmap::fromImage(vt::drawClockIcon(32))));
    loaded();
}

TForm1::~TForm1() {
    Form1 = nullptr;
}

void TForm1::FormCreate() {
    SaveOnExit = true;
    const QString folder = services.folder.path();
    ShakeCount = 250;
    BackColor = vt::clBtnFace;
    ChimeSound = folder + "ding.wav";
    AlarmSound = folder + "alarme1.wav";
    AlarmFile = folder + "alarme1.wav";
    AlarmHour = 0;
    AlarmMinute = 0;
    AlarmOn = false;
    AlarmPlaysSound = false;
    const vt::FontValue designed = Label1->fontValue();
    for (vt::Label* label : {Label1, Label2, Label3})
        label->setFontValue(designed);
    DayNames = {"", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"};
    ChosenFont = Label1->fontValue();
}

void TForm1::FormActivate() {
    for (vt::Label* label : {Label1, Label2, Label3})
        label->setFontValue(ChosenFont);
    for (vt::Form* window :
         std::initializer_list<vt::Form*>{Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8})
        vt::applyBackground(*window, BackColor);
    Image2->move(Label1->x() + Label1->width() + 6, Image2->y());
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
        chime(failures);
        shakeWindow(*this, ShakeCount, services);
    }
    redrawFace(failures);
    for (const QString& failure : failures)
        vt::Application::instance()->report(failure);
}

void TForm1::chime(QStringList& failures) {
    try {
        MediaPlayer1.setFileName(ChimeSound);
        MediaPlayer1.open();
        MediaPlayer1.play();
    } catch (const std::exception& failure) {
        failures << vt::messageOf(failure);
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

void TForm1::Quitter1Click() {
    vt::Application::instance()->endLoop();
}

void TForm1::Chrono1Click() {
    Form3->showInFront();
}

void TForm1::Alarme1Click() {
    Form6->showInFront();
}

void TForm1::Compterebours1Click() {
    Form4->showInFront();
}

void TForm1::N1Click() {
    Form2->showInFront();
}

void TForm1::Remisezro1Click() {
    if (services.boxes.show("Êtes-vous sûr de remettre à zéro le programme?", "Alerte...",
                            vt::Box::YesNo | vt::Box::IconExclamation) != vt::Box::AnswerYes)
        return;
    SaveOnExit = false;
    vt::Application::instance()->endLoopAndRestart();
}

void TForm1::Aide1Click() {
    services.desktop.open(services.folder.file("Aidez-moi.doc"));
}

void TForm1::Apropos1Click() {
    services.boxes.show("Programme créé par l'équipe Vantorel\nTéléchargé sur :\nhttps://vantorel.org",
                        "A propos...", vt::Box::Ok | vt::Box::IconInformation);
}
