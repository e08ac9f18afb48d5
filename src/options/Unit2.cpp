#include "Unit2.h"

#include "common/WindowShake.h"
#include "shell/Unit1.h"

TForm2::TForm2(vt::Services& services, vt::FormRegistry& registry) : Form(services, registry) {
    setupUi(this);
}

void TForm2::FormShow() {
    Edit1->setText(Form1->ChimeSound);
    FontDialog1 = Form1->ChosenFont;
    TrackBar1->setValue(Form1->ShakeCount); // held within 0..1000 by the track bar
    ColorDialog1 = Form1->BackColor;
    OpenDialog1.fileName = Form1->ChimeSound;
    OpenDialog1.initialFolder = services.folder.path();
    Label4->setCaption(QString::number(TrackBar1->value()));
}

void TForm2::FormActivate() { Form1->paintInThemeColor({Label1, Label2, Label3, Label4, Label5}); }

void TForm2::Button1Click() {
    Form1->ShakeCount = TrackBar1->value();
    // A copy, so that a font chosen later and dropped with "Annuler" never reaches the main window.
    Form1->ChosenFont = FontDialog1;
    Form1->BackColor = ColorDialog1;
    Form1->ChimeSound = OpenDialog1.fileName;
    Form1->saveSettings();
    hide();
}

void TForm2::Button2Click() { hide(); }

void TForm2::Button3Click() { services.dialogs.chooseColor(ColorDialog1); }

void TForm2::Button4Click() { shakeWindow(*this, TrackBar1->value(), services); }

void TForm2::Button5Click() { services.dialogs.chooseFont(FontDialog1); }

void TForm2::Button6Click() {
    services.dialogs.openFile(OpenDialog1);
    Edit1->setText(OpenDialog1.fileName);
}

void TForm2::TrackBar1Change() { Label4->setCaption(QString::number(TrackBar1->value())); }
