#pragma once

#include "framework/services/CommonDialogs.h"
#include "framework/settings/IniFile.h"
#include "framework/windows/Form.h"
#include "ui_Unit5.h"

// The countdown setup dialog. It also holds the countdown that the countdown window's timer counts.
class TForm5 : public vt::Form, public Ui::TForm5 {
    Q_OBJECT

public:
    TForm5(vt::Services& services, vt::FormRegistry& registry);

    qint32 Days = 0;
    qint32 Hours = 0; // the days included
    qint32 Minutes = 0;
    qint32 Seconds = 0;
    bool Running = false;
    QString ExecuteFile;

    // Its file name is the file opened at the end.
    vt::OpenFileRequest OpenDialog1{QStringLiteral("*.*|*.*"), {}, {}};

    // The file and the message of the end, as its hide writes them: no message without a text.
    void writeFileAndMessage(vt::IniFile& ini) const;

public slots:
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormActivate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void CheckBox1Click();
    void UpDown1Changing();
    void UpDown2Changing();
    void UpDown3Changing();
    void UpDown4Changing();

private:
    void startRunning();
};

inline TForm5* Form5 = nullptr;
