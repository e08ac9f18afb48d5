#include "Unit3.h"

TForm3::TForm3(vt::Services& services) : Form(services) {
    Form3 = this;
    setupUi(this);
    loaded();
}

TForm3::~TForm3() { Form3 = nullptr; }
