#include "Unit8.h"

#include "Unit6.h"
#include "common/SettingsKeys.h"
#include "framework/controls/RadioButtons.h"
#include "framework/settings/IniFile.h"
#include "shell/Unit1.h"

TForm8::TForm8(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm8::FormCreate() {
    vt::setRadioChecked(*RadioButton1, Form1->AlarmPlaysSound);
    const vt::IniFile& ini = services.settings.read();
    CheckBox1->setChecked(ini.read(keys::alarmShowsMessage));
    Edit3->setText(ini.read(keys::alarmMessage));
}

void TForm8::FormShow() {
    vt::setRadioChecked(*RadioButton1, Form1->AlarmPlaysSound);
    Edit1->setText(Form1->AlarmSound);
    Edit2->setText(Form1->AlarmFile);
    OpenDialog1.initialFolder = OpenDialog2.initialFolder = services.folder.path();
    OpenDialog1.fileName = Form1->AlarmSound;
    OpenDialog2.fileName = Form1->AlarmFile;
}

void TForm8::writeMessage(vt::IniFile& ini) const {
    ini.write(keys::alarmShowsMessage, CheckBox1->isChecked() && !Edit3->text().isEmpty());
    ini.write(keys::alarmMessage, Edit3->text());
}

void TForm8::FormHide() {
    if (Edit3->text().isEmpty()) CheckBox1->setChecked(false);
    Form1->saveSettings([&](vt::IniFile& ini) { writeMessage(ini); });
}

void TForm8::FormActivate() {
    Form1->paintInThemeColor({RadioButton1, RadioButton2, RadioGroup1, CheckBox1});
    vt::setRadioChecked(*RadioButton1, Form1->AlarmPlaysSound);
}

// The kind is taken over as soon as "Jouer une musique" changes, whoever changes it.
void TForm8::RadioButton1Click() {
    const bool changed = Form1->AlarmPlaysSound != RadioButton1->isChecked();
    Form1->AlarmPlaysSound = RadioButton1->isChecked();
    if (changed) Form1->saveSettings();
}

void TForm8::CheckBox1Click() { Edit3->setEnabled(CheckBox1->isChecked()); }

void TForm8::Button1Click() {
    services.dialogs.openFile(OpenDialog1);
    Edit1->setText(OpenDialog1.fileName);
    vt::setRadioChecked(*RadioButton1, true);
}

void TForm8::Button2Click() {
    vt::setRadioChecked(*RadioButton2, true);
    services.dialogs.openFile(OpenDialog2);
    Edit2->setText(OpenDialog2.fileName);
}

void TForm8::Button3Click() {
    Form1->AlarmSound = OpenDialog1.fileName;
    Form1->AlarmFile = OpenDialog2.fileName;
    hide();
}

void TForm8::Button4Click() { hide(); }
