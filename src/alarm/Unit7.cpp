#include "Unit7.h"

#include "Unit6.h"
#include "common/TimeTexts.h"
#include "framework/controls/RadioButtons.h"
#include "shell/Unit1.h"

TForm7::TForm7(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm7::takeStoredTime() {
    Hour = Form1->AlarmHour;
    Minute = Form1->AlarmMinute;
}

void TForm7::FormCreate() { takeStoredTime(); }

void TForm7::FormShow() {
    takeStoredTime();
    // Show the time "OK" would store, not the one left from the last showing.
    UpDown1->setPosition(Minute);
    Label1->setCaption(alarmTimeText(Hour, Minute));
}

void TForm7::FormActivate() { Form1->paintInThemeColor({Label1}); }

// The up-down's ends, 60 and -1, only signal a step past 59 or below 0: the minute wraps and carries.
void TForm7::UpDown1Click() {
    if (UpDown1->position() == 60) {
        ++Hour;
        UpDown1->setPosition(0);
        if (Hour > 23) Hour = 0;
    }
    if (UpDown1->position() == -1) {
        --Hour;
        UpDown1->setPosition(59);
        if (Hour < 0) Hour = 23;
    }
    Minute = UpDown1->position();
    Label1->setCaption(alarmTimeText(Hour, Minute));
}

void TForm7::Button1Click() {
    Form1->AlarmHour = Hour;
    Form1->AlarmMinute = Minute;
    // Arming the alarm writes the settings; an armed one has only its new time to write.
    if (Form6->RadioButton1->isChecked())
        Form1->saveSettings();
    else
        vt::setRadioChecked(*Form6->RadioButton1, true);
    hide();
}

void TForm7::Button2Click() { hide(); }
