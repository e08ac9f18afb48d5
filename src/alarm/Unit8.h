#pragma once

#include "framework/services/CommonDialogs.h"
#include "framework/settings/IniFile.h"
#include "framework/windows/Form.h"
#include "ui_Unit8.h"

// The alarm kind dialog: play a sound or open a file, and the message. Its controls hold the live choice.
class TForm8 : public vt::Form, public Ui::TForm8 {
    Q_OBJECT

public:
    TForm8(vt::Services& services, vt::FormRegistry& registry);

    vt::OpenFileRequest OpenDialog1{
        QStringLiteral("Sons (*.wav, *.mp3, *.mid); |*.wav; *.mp3;*.mid"), {}, {}};
    vt::OpenFileRequest OpenDialog2{QStringLiteral("*.*|*.*"), {}, {}};

    // The message switch and text, as its hide writes them: no message without a text.
    void writeMessage(vt::IniFile& ini) const;

public slots:
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormActivate();
    void RadioButton1Click();
    void CheckBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
};

inline TForm8* Form8 = nullptr;
