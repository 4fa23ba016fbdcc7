#include "Program.h"

#include "app/TForm1.h"
#include "authoring/TForm4.h"
#include "evaluation/TForm3.h"
#include "files/TForm2.h"
#include "review/TForm5.h"

Program::Program(Platform& platform) {
    m_form1 = std::make_unique<TForm1>(platform, m_forms);
    m_forms.Form1 = m_form1.get();
    m_form2 = std::make_unique<TForm2>(platform, m_forms);
    m_forms.Form2 = m_form2.get();
    m_form3 = std::make_unique<TForm3>(platform, m_forms);
    m_forms.Form3 = m_form3.get();
    m_form4 = std::make_unique<TForm4>(platform, m_forms);
    m_forms.Form4 = m_form4.get();
    m_form5 = std::make_unique<TForm5>(platform, m_forms);
    m_forms.Form5 = m_form5.get();
}

// The dialogs go before the main window they may refer to.
Program::~Program() {
    m_form5.reset();
    m_form4.reset();
    m_form3.reset();
    m_form2.reset();
    m_form1.reset();
}

void Program::showMainWindow() {
    if (m_form1->startsMaximised())
        m_form1->showMaximized();
    else
        m_form1->show();
}
