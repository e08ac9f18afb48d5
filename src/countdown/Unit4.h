#pragma once

#include "framework/Form.h"
#include "ui_Unit4.h"

class TForm4 : public vt::Form, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(vt::Services& services);
    ~TForm4() override;
};

inline TForm4* Form4 = nullptr;
