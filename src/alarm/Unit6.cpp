#include "Unit6.h"

#include "Unit7.h"
#include "Unit8.h"
#include "common/TimeTexts.h"
#include "framework/controls/RadioButtons.h"
#include "shell/Unit1.h"

TForm6::TForm6(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm6::FormCreate() { vt::setRadioChecked(*RadioButton1, Form1->AlarmOn); }

void TForm6::FormActivate() {
    Form1->paintInThemeColor({Label1, Label2, RadioGroup1, RadioButton1, RadioButton2});
    vt::setRadioChecked(*RadioButton1, Form1->AlarmOn);
    Label2->setCaption(alarmTimeText(Form1->AlarmHour, Form1->AlarmMinute));
}

// The alarm is armed or disarmed as soon as "Oui" changes, whoever changes it.
void TForm6::RadioButton1Click() {
    const bool changed = Form1->AlarmOn != RadioButton1->isChecked();
    Form1->AlarmOn = RadioButton1->isChecked();
    Form1->showAlarmBell();
    if (changed) Form1->saveSettings();
}

void TForm6::Oui1Click() { vt::setRadioChecked(*RadioButton1, true); }

void TForm6::Non1Click() { vt::setRadioChecked(*RadioButton2, true); }

void TForm6::Heuredelalarme1Click() { Form7->showInFront(); }

void TForm6::Paramtre1Click() { Form8->showInFront(); }
