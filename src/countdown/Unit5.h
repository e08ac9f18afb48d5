#pragma once

#include "framework/Form.h"
#include "ui_Unit5.h"

class TForm5 : public vt::Form, public Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(vt::Services& services);
    ~TForm5() override;

    qint32 Days = 0;
    qint32 Hours = 0; // the days included
    qint32 Minutes = 0;
    qint32 Seconds = 0;
    bool Running = false;
    QString ExecuteFile;
};

inline TForm5* Form5 = nullptr;
