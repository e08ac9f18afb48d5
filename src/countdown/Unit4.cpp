#include "Unit4.h"

TForm4::TForm4(vt::Services& services) : Form(services) {
    Form4 = this;
    setupUi(this);
    loaded();
}

TForm4::~TForm4() { Form4 = nullptr; }
