#pragma once

#include "framework/windows/Form.h"
#include "ui_Unit6.h"

// The alarm window: the alarm time, and the switch that arms it.
class TForm6 : public vt::Form, public Ui::TForm6 {
    Q_OBJECT

public:
    TForm6(vt::Services& services, vt::FormRegistry& registry);

public slots:
    void FormCreate();
    void FormActivate();
    void RadioButton1Click();
    void Oui1Click();
    void Non1Click();
    void Heuredelalarme1Click();
    void Paramtre1Click();
};

inline TForm6* Form6 = nullptr;
