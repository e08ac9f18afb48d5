#pragma once

#include "framework/Form.h"
#include "ui_Unit1.h"

class TForm1 : public vt::Form, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(vt::Services& services);
    ~TForm1() override;
};

inline TForm1* Form1 = nullptr;
