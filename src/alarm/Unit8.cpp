#include "Unit8.h"

TForm8::TForm8(vt::Services& services) : Form(services) {
    Form8 = this;
    setupUi(this);
    loaded();
}

TForm8::~TForm8() { Form8 = nullptr; }
