#include "Unit6.h"

TForm6::TForm6(vt::Services& services) : Form(services) {
    Form6 = this;
    setupUi(this);
    loaded();
}

TForm6::~TForm6() { Form6 = nullptr; }
