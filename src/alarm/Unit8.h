#pragma once

#include "framework/Form.h"
#include "ui_Unit8.h"

class TForm8 : public vt::Form, public Ui::TForm8 {
    Q_OBJECT

public:
    explicit TForm8(vt::Services& services);
    ~TForm8() override;
};

inline TForm8* Form8 = nullptr;
