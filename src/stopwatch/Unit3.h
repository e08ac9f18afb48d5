#pragma once

#include "framework/Form.h"
#include "ui_Unit3.h"

class TForm3 : public vt::Form, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(vt::Services& services);
    ~TForm3() override;

    qint32 Hours = 0;
    qint32 Minutes = 0;
    qint32 Seconds = 0;
    qint32 Tenths = 0;
};

inline TForm3* Form3 = nullptr;
