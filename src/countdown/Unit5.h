#pragma once

#include "framework/Form.h"
#include "ui_Unit5.h"

class TForm5 : public vt::Form, public Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(vt::Services& services);
    ~TForm5() override;
};

inline TForm5* Form5 = nullptr;
