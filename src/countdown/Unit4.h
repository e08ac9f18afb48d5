#pragma once

#include "framework/windows/Form.h"
#include "ui_Unit4.h"

// The countdown window: shows the time left, and its timer counts the countdown that the setup dialog
// holds, whether the window is shown or not.
class TForm4 : public vt::Form, public Ui::TForm4 {
    Q_OBJECT

public:
    TForm4(vt::Services& services, vt::FormRegistry& registry);

    qint32 LastAnswer = 0;

    // The countdown counts real time from now on; the ticks come just after each of its whole seconds.
    void countFromNow();

public slots:
    void FormActivate();
    void Timer1Timer();
    void Button1Click();

private:
    void finish();

    qint64 countedUntilMs = 0; // the elapsed clock's reading up to which the countdown has counted
};

inline TForm4* Form4 = nullptr;
