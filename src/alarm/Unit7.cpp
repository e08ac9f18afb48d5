#include "Unit7.h"

TForm7::TForm7(vt::Services& services) : Form(services) {
    Form7 = this;
    setupUi(this);
    loaded();
}

TForm7::~TForm7() { Form7 = nullptr; }
