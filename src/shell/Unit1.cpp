#include "Unit1.h"

TForm1::TForm1(vt::Services& services) : Form(services) {
    Form1 = this;
    setupUi(this);
    loaded();
}

TForm1::~TForm1() { Form1 = nullptr; }
