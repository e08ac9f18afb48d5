#pragma once

#include "framework/windows/Form.h"
#include "ui_Unit7.h"

// The alarm time dialog: one up-down steps the minute and carries into the hour.
class TForm7 : public vt::Form, public Ui::TForm7 {
    Q_OBJECT

public:
    TForm7(vt::Services& services, vt::FormRegistry& registry);

    qint32 Minute = 0;
    qint32 Hour = 0;

public slots:
    void FormCreate();
    void FormShow();
    void FormActivate();
    void UpDown1Click();
    void Button1Click();
    void Button2Click();

private:
    void takeStoredTime();
};

inline TForm7* Form7 = nullptr;
