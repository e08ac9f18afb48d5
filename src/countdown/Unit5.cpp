#include "Unit5.h"

#include "Unit4.h"
#include "common/SettingsKeys.h"
#include "framework/settings/IniFile.h"
#include "shell/Unit1.h"

namespace {

void showPosition(QLineEdit& edit, const vt::UpDown& upDown) {
    edit.setText(QString::number(upDown.position()));
}

} // namespace

TForm5::TForm5(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm5::FormCreate() {
    const vt::IniFile& ini = services.settings.read();
    Hours = ini.read(keys::countdownHours);
    Minutes = ini.read(keys::countdownMinutes);
    Seconds = ini.read(keys::countdownSeconds);
    ExecuteFile = ini.read(keys::countdownFile, services.folder.path());
    CheckBox1->setChecked(ini.read(keys::countdownShowsMessage));
    Edit6->setText(ini.read(keys::countdownMessage));
    // A countdown left at exit goes on from where it stood.
    if (Hours != 0 || Minutes != 0 || Seconds != 0) startRunning();
    OpenDialog1.initialFolder = services.folder.path();
    OpenDialog1.fileName = ExecuteFile;
    Edit5->setText(ExecuteFile);
}

// Showing the dialog stops and clears the countdown; the up-downs keep their last positions.
void TForm5::FormShow() {
    showPosition(*Edit1, *UpDown1);
    showPosition(*Edit2, *UpDown2);
    showPosition(*Edit3, *UpDown3);
    showPosition(*Edit4, *UpDown4);
    Running = false;
    Days = Hours = Minutes = Seconds = 0;
    Form4->Label1->setCaption(QStringLiteral("00:00:00"));
    // The user confirmed the old countdown's end: it must not come back after a crash.
    Form1->saveSettings();
}

void TForm5::writeFileAndMessage(vt::IniFile& ini) const {
    ini.write(keys::countdownFile, OpenDialog1.fileName);
    ini.write(keys::countdownShowsMessage, CheckBox1->isChecked() && !Edit6->text().isEmpty());
    ini.write(keys::countdownMessage, Edit6->text());
}

void TForm5::FormHide() {
    if (Edit6->text().isEmpty()) CheckBox1->setChecked(false);
    // With the countdown "Start" has just set going.
    Form1->saveSettings([&](vt::IniFile& ini) { writeFileAndMessage(ini); });
}

void TForm5::FormActivate() { Form1->paintInThemeColor({Label1, Label2, Label3, Label4}); }

void TForm5::Button1Click() {
    Days = Edit1->text().toInt();
    Hours = Edit2->text().toInt();
    Minutes = Edit3->text().toInt();
    Seconds = Edit4->text().toInt();
    startRunning();
    Hours += Days * 24; // at most 32767 days: no overflow
    hide();
}

void TForm5::Button2Click() {
    Days = Hours = Minutes = Seconds = 0;
    hide();
}

void TForm5::Button3Click() {
    services.dialogs.openFile(OpenDialog1);
    Edit5->setText(OpenDialog1.fileName);
}

void TForm5::CheckBox1Click() { Edit6->setEnabled(CheckBox1->isChecked()); }

void TForm5::UpDown1Changing() { showPosition(*Edit1, *UpDown1); }

void TForm5::UpDown2Changing() { showPosition(*Edit2, *UpDown2); }

void TForm5::UpDown3Changing() { showPosition(*Edit3, *UpDown3); }

void TForm5::UpDown4Changing() { showPosition(*Edit4, *UpDown4); }

void TForm5::startRunning() {
    Running = true;
    Form4->countFromNow();
}
