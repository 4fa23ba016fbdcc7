#include "TForm5.h"

TForm5::TForm5(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
}

TForm5::~TForm5() = default;
