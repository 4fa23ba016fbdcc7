// The main window's editor commands.
#include "app/TForm1.h"

#include "files/TForm2.h"
#include "files/TestLayout.h"

void TForm1::Button3Click() {
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6,
                           CheckBox7, CheckBox8, CheckBox9, CheckBox10})
        box->setChecked(false);
    ChangesSaved = 1;
    m_forms.Form2->StringGrid1.setCell(
        4, 0, CheckBox15->isChecked() ? QByteArray(kSingleMark) : QByteArray());
}
