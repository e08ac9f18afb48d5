#pragma once

#include "framework/Form.h"
#include "ui_Unit6.h"

class TForm6 : public vt::Form, public Ui::TForm6 {
    Q_OBJECT

public:
    explicit TForm6(vt::Services& services);
    ~TForm6() override;
};

inline TForm6* Form6 = nullptr;
