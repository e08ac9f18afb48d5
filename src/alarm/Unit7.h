#pragma once

#include "framework/Form.h"
#include "ui_Unit7.h"

class TForm7 : public vt::Form, public Ui::TForm7 {
    Q_OBJECT

public:
    explicit TForm7(vt::Services& services);
    ~TForm7() override;
};

inline TForm7* Form7 = nullptr;
