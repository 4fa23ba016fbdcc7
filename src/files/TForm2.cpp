#include "TForm2.h"

#include "files/TestLayout.h"
#include "platform/Platform.h"

TForm2::TForm2(Platform& platform, Forms& forms, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_forms(forms) {
    setupUi(this);
    connect(Button11, &QPushButton::clicked, this, &TForm2::Button11Click);
    connect(Button12, &QPushButton::clicked, this, &TForm2::Button12Click);
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
    SaveCounter = 0;
    // The main window, made first, has already reported a missing home folder or a projects
    // folder that could not be made.
    WorkFolder = m_platform.environment().projectsFolder();
}

void TForm2::Button11Click() {
    TaskCount = countTasks(StringGrid1);
}

void TForm2::Button12Click() {
    SaveCounter = 0;
}
