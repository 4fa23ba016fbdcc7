#include "TForm4.h"

TForm4::TForm4(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
}

TForm4::~TForm4() = default;
