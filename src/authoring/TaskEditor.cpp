// The main window's editor commands, and the worker window's row commands behind "Aufgabe
// löschen" and "Aufgabe einfügen".
#include "app/TForm1.h"

#include "authoring/CellTextValidator.h"
#include "files/Cp1252.h"
#include "files/TForm2.h"
#include "files/TestLayout.h"
#include "platform/Platform.h"

#include <QScopedValueRollback>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The saved rows hold 200 blocks and the end mark needs the last one of them.
constexpr int kMaxTasks = (kSavedRows - 1) / kTaskRows - 1;
constexpr int kLastTaskRow = kTaskRows * (kMaxTasks - 1) + 1;
constexpr int kLastSavedBlockRow = kLastTaskRow + kTaskRows;

std::array<QLineEdit*, 5> answerFields(const TForm1& f) {
    return {f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
}

std::array<QCheckBox*, 5> choiceBoxes(const TForm1& f) {
    return {f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4, f.CheckBox5};
}

std::array<QCheckBox*, 5> tickBoxes(const TForm1& f) {
    return {f.CheckBox6, f.CheckBox7, f.CheckBox8, f.CheckBox9, f.CheckBox10};
}

void clearAllTicks(const TForm1& f) {
    for (QCheckBox* box : choiceBoxes(f))
        box->setChecked(false);
    for (QCheckBox* box : tickBoxes(f))
        box->setChecked(false);
}

// The walks of insert and delete look for tasks like this: a blank task, the end mark, or a
// text task without answers.
bool firstThreeAnswersEmpty(const TForm1& f) {
    return f.Edit2->text().isEmpty() && f.Edit3->text().isEmpty() && f.Edit4->text().isEmpty();
}

// Runs step until the count of shown tasks with the first three answers empty reaches
// target. A step that leaves the editor where it was (the end mark, task 1, a full test) ends
// the walk too, so it never runs on the spot. Returns the count reached.
int walk(TForm1& editor, void (TForm1::*step)(), int count, int target) {
    while (count < target) {
        const int before = editor.BlockRow;
        (editor.*step)();
        if (editor.BlockRow == before)
            break;
        if (firstThreeAnswersEmpty(editor))
            ++count;
    }
    return count;
}

// Inserting pushes the last saved block out of the file.
bool lastSavedBlockInUse(const StringGrid& table) {
    for (int row = kLastSavedBlockRow; row < kSavedRows; ++row) {
        for (int col = 0; col < table.colCount(); ++col) {
            if (!table.cell(col, row).isEmpty())
                return true;
        }
    }
    return false;
}

QString capacityNote() {
    return u"Ein Test fasst höchstens %1 Aufgaben, mehr lassen sich nicht speichern."_s.arg(
        kMaxTasks);
}

} // namespace

void TForm1::setUpTaskFields() {
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) {
        auto* validator = new CellTextValidator(field);
        field->setValidator(validator);
        connect(field, &QLineEdit::inputRejected, this, [field, validator] {
            QToolTip::showText(
                field->mapToGlobal(QPoint(0, field->height())),
                u"Das Zeichen \u201E%1\u201C lässt sich in einem Test nicht speichern."_s.arg(
                    validator->refusedCharacter()),
                field);
        });
    }
}

void TForm1::Button12Click() {
    if (Edit1->text() == QLatin1String(kEndMarker))
        return;
    if (BlockRow > kLastTaskRow) {
        m_platform.dialogs().message(
            this, capacityNote() + u"\nDiese Aufgabe wird deshalb nicht aufgenommen."_s);
        return;
    }
    // Task media: the picture window closes and loses its picture, the media player closes.
    ChangesSaved = 0;
    m_forms.Form2->Button12Click();
    const auto ticks = tickBoxes(*this);
    if (!CheckBox14->isChecked() &&
        std::none_of(ticks.begin(), ticks.end(), [](QCheckBox* box) { return box->isChecked(); }))
        m_platform.dialogs().message(
            this, u"Soll wirklich kein Haken gesetzt sein?\n  \nFalls ein Haken vergessen wurde, "
                  u"geh\u00B4 einfach nochmal zurück!"_s);

    StringGrid& table = m_forms.Form2->StringGrid1;
    const int r = BlockRow;
    QByteArray question = Cp1252::fromUnicode(Edit1->text());
    // A task followed by another one shows its label already; a new one at the end gets it now.
    if (table.cell(1, r + kTaskRows).isEmpty())
        question = kLabelPrefix + QByteArray::number(TaskNumber) + ": " + question;
    table.setCell(1, r, question);
    Panel3->hide();
    Panel4->hide();
    // Task media: a chosen picture and media file are stored in (0, r) and (4, r) here.
    for (QCheckBox* box : choiceBoxes(*this))
        box->setChecked(false);
    const auto answers = answerFields(*this);
    for (int i = 0; i < 5; ++i) {
        table.setCell(1, r + 1 + i, Cp1252::fromUnicode(answers[i]->text()));
        table.setCell(2, r + 1 + i, kWordFalse);
        table.setCell(3, r + 1 + i, ticks[i]->isChecked() ? kWordTrue : kWordFalse);
    }
    if (RadioButton1->isChecked())
        table.setCell(0, r + 2, kColourRed);
    table.setCell(4, 0, CheckBox15->isChecked() ? QByteArray(kSingleMark) : QByteArray());
    if (RadioButton2->isChecked())
        table.setCell(0, r + 2, {});

    BlockRow += kTaskRows;
    const int next = BlockRow;
    showTextOption();
    if (table.cell(1, next).isEmpty() && table.cell(1, next + kTaskRows).isEmpty()) {
        table.setCell(1, next, kEndMarker);
        clearAllTicks(*this);
    }
    const QByteArray nextQuestion = table.cell(1, next);
    const bool atEnd = nextQuestion == kEndMarker;
    Button25->setEnabled(!atEnd);
    Button26->setEnabled(!atEnd);
    Edit1->setText(
        Cp1252::toUnicode(atEnd ? nextQuestion : relabelQuestion(nextQuestion, TaskNumber + 1)));
    showAnswers(TickReading::Exact);
    // Task media: the task's picture is shown and its media file played here.
    setVisibleAll({Button13, Button3, Button16, Button8}, true);
    ++TaskNumber;
    Label4->setText(QString::number(TaskNumber));
    focusShownTask();
}

void TForm1::Button8Click() {
    Panel3->hide();
    Panel4->hide();
    // Task media: the picture window closes and loses its picture, the media player closes.
    if (BlockRow > 5)
        BlockRow -= kTaskRows;
    showStoredTask();
    if (TaskNumber > 1)
        --TaskNumber;
    Label4->setText(QString::number(TaskNumber));
    focusShownTask();
    if (TaskNumber > 1) {
        Button25->setEnabled(true);
        Button26->setEnabled(true);
    } else {
        Button25->setEnabled(false);
    }
}

void TForm1::showStoredTask() {
    showTextOption();
    // Task media: the task's picture is shown and its media file played here.
    Edit1->setText(Cp1252::toUnicode(m_forms.Form2->StringGrid1.cell(1, BlockRow)));
    showAnswers(TickReading::EmptyMeansTicked);
}

void TForm1::Button25Click() {
    if (BlockRow < 5) {
        m_platform.dialogs().message(this, u"Aufgabe 1 kann leider nicht komplett gelöscht "
                                           u"werden, sie muss umformuliert werden oder bleiben"_s);
        return;
    }
    m_forms.Form2->Button6Click();
}

void TForm1::Button26Click() {
    if (lastSavedBlockInUse(m_forms.Form2->StringGrid1)) {
        m_platform.dialogs().message(this, capacityNote() +
                                               u"\nEs kann keine Aufgabe mehr eingefügt werden."_s);
        return;
    }
    m_forms.Form2->Button8Click();
}

void TForm1::Button3Click() {
    clearAllTicks(*this);
    ChangesSaved = 1;
    m_forms.Form2->StringGrid1.setCell(
        4, 0, CheckBox15->isChecked() ? QByteArray(kSingleMark) : QByteArray());
    m_forms.Form2->Button5Click();
}

void TForm1::Button14Click() {
    // Task media: the picture window loses its picture.
    m_forms.Form2->Button3Click();
    if (!m_forms.Form2->testOpened())
        return; // cancelled, or the file was refused: the editor stays as it was
    BlockRow = 1;
    setVisibleAll({RadioButton1, RadioButton2, Button3, Button13, Button16, Button8}, false);
    setVisibleAll({Button4, Button12, BitBtn2, Button18, Button19}, true);
    // Task media: the task's picture is shown and its media file played here.
    Edit1->setText(Cp1252::toUnicode(m_forms.Form2->StringGrid1.cell(1, BlockRow)));
    showAnswers(TickReading::EmptyMeansTicked);
    focusShownTask();
    ChangesSaved = 0;
}

void TForm1::CheckBox6Click() {
    tickRule(CheckBox6);
}

void TForm1::CheckBox7Click() {
    tickRule(CheckBox7);
}

void TForm1::CheckBox8Click() {
    tickRule(CheckBox8);
}

void TForm1::CheckBox9Click() {
    tickRule(CheckBox9);
}

void TForm1::CheckBox10Click() {
    tickRule(CheckBox10);
}

void TForm1::tickRule(QCheckBox* box) {
    // The boxes cleared for a single choice below do not get a say of their own.
    if (m_clearingOtherTicks)
        return;
    CheckBox14->setEnabled(!box->isChecked());
    if (!CheckBox15->isChecked())
        return;
    const QScopedValueRollback clearing(m_clearingOtherTicks, true);
    for (QCheckBox* other : tickBoxes(*this)) {
        if (other != box)
            other->setChecked(false);
    }
}

void TForm1::CheckBox14Click() {
    StringGrid& table = m_forms.Form2->StringGrid1;
    if (CheckBox14->isChecked()) {
        table.setCell(0, BlockRow + 4, kTextMark);
        for (QCheckBox* box : tickBoxes(*this)) {
            box->setEnabled(false);
            box->setChecked(false);
        }
    } else {
        table.setCell(0, BlockRow + 4, {});
        for (QCheckBox* box : tickBoxes(*this))
            box->setEnabled(true);
    }
}

void TForm1::showTextOption() {
    CheckBox14->setChecked(!m_forms.Form2->StringGrid1.cell(0, BlockRow + 4).isEmpty());
}

void TForm1::showAnswers(TickReading reading) {
    const StringGrid& table = m_forms.Form2->StringGrid1;
    const auto answers = answerFields(*this);
    const auto choices = choiceBoxes(*this);
    for (int i = 0; i < 5; ++i) {
        answers[i]->setText(Cp1252::toUnicode(table.cell(1, BlockRow + 1 + i)));
        choices[i]->setChecked(table.cell(2, BlockRow + 1 + i) == kWordTrue);
    }
    // One box after the other, so that each change has its say on the text option.
    const auto ticks = tickBoxes(*this);
    for (int i = 0; i < 5; ++i) {
        const QByteArray solution = table.cell(3, BlockRow + 1 + i);
        const bool exact = reading == TickReading::Exact || i == 0;
        ticks[i]->setChecked(exact ? solution == kWordTrue : solution != kWordFalse);
    }
}

void TForm1::focusShownTask() {
    // Task media: a media file brings the player to the front, else a shown picture takes the
    // focus; only a task without either gives it to the question.
    Edit1->setFocus();
    QTimer::singleShot(50, Edit1, [this] { Edit1->selectAll(); });
}

void TForm2::Button6Click() {
    TForm1& editor = *m_forms.Form1;
    const int lastRow = kTaskRows * editor.TaskNumber;
    for (int row = lastRow; row > lastRow - kTaskRows; --row)
        StringGrid1.deleteRow(row);
    editor.Button8Click();
    walk(editor, &TForm1::Button12Click, 0, 1);
}

void TForm2::Button8Click() {
    TForm1& editor = *m_forms.Form1;
    const int task = editor.TaskNumber;
    for (int i = 0; i < kTaskRows; ++i)
        StringGrid1.insertRow(kTaskRows * task + 1);
    StringGrid1.setCell(1, editor.BlockRow + kTaskRows,
                        kLabelPrefix + QByteArray::number(task + 1) + ':');
    // Forward over the new blank task to the end mark, then back to the blank task.
    const int blanks = walk(editor, &TForm1::Button12Click, 0, 2);
    walk(editor, &TForm1::Button8Click, blanks, blanks + 1);
}
