#include "app/TForm1.h"
#include "evaluation/TForm3.h"
#include "files/TForm2.h"
#include "platform/Platform.h"

using namespace Qt::StringLiterals;

void TForm1::Button7Click() {
    // Not modal: the main window stays usable while the teacher sets the key.
    m_forms.Form3->show();
    m_forms.Form3->raise();
    m_forms.Form3->activateWindow();
}

void TForm1::Button2Click() {
    m_platform.dialogs().message(this, u"Wer *.doc benutzt, kann die Datei weiter bearbeiten, "
                                       u"ansonsten lässt sich auch *html wählen"_s);
    m_forms.Form2->Button2Click();
    ChangesSaved = 1;
    m_forms.Form2->StringGrid3.clear();
    ResultListRow = 0;
}
