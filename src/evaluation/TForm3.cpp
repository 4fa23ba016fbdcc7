#include "TForm3.h"

TForm3::TForm3(Platform& platform, Forms& forms, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
}

TForm3::~TForm3() = default;
