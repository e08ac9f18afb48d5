#include "Unit5.h"

TForm5::TForm5(vt::Services& services) : Form(services) {
    Form5 = this;
    setupUi(this);
    loaded();
}

TForm5::~TForm5() { Form5 = nullptr; }
