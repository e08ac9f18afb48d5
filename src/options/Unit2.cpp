#include "Unit2.h"

TForm2::TForm2(vt::Services& services) : Form(services) {
    Form2 = this;
    setupUi(this);
    loaded();
}

TForm2::~TForm2() { Form2 = nullptr; }
