#pragma once

#include "framework/Form.h"
#include "ui_Unit2.h"

class TForm2 : public vt::Form, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(vt::Services& services);
    ~TForm2() override;
};

inline TForm2* Form2 = nullptr;
