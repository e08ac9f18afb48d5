#pragma once

#include "framework/services/CommonDialogs.h"
#include "framework/windows/Form.h"
#include "ui_Unit2.h"

// The options dialog: it works on copies of the main window's font, background, chime and shake
// strength, and hands them over on "OK".
class TForm2 : public vt::Form, public Ui::TForm2 {
    Q_OBJECT

public:
    TForm2(vt::Services& services, vt::FormRegistry& registry);

    vt::FontValue FontDialog1{QStringLiteral("Liberation Sans"), 8, vt::clWindowText};
    vt::Color ColorDialog1 = vt::clBtnFace;
    vt::OpenFileRequest OpenDialog1{QStringLiteral("Son (*.wav)|*.wav"), {}, {}};

public slots:
    void FormShow();
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void TrackBar1Change();
};

inline TForm2* Form2 = nullptr;
