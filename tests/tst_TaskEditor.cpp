#include "ProgramFixture.h"
#include "TestFiles.h"
#include "files/Cp1252.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/TForm2.h"
#include "files/TestLayout.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

const QString kNoTickWarning = u"Soll wirklich kein Haken gesetzt sein?\n  \nFalls ein Haken "
                               u"vergessen wurde, geh\u00B4 einfach nochmal zurück!"_s;

// A task as the teacher types it: answers 1 to 5 and the numbers of the correct ones.
struct Task {
    QString question;
    QStringList answers;
    QList<int> correct;
    bool text = false;
};

// The editor page of a new test, as "MC erstellen" and a chosen folder leave it.
void startEditor(ProgramFixture& f) {
    f.start().showMainWindow();
    f.press(&f.form1(), "Button9");
    f.form1().Panel5->hide();
}

// The editor page after "vorhandenen Test wählen" opened a test file holding plain.
void openTest(ProgramFixture& f, const StringGrid& plain) {
    const QString path = f.temp.path() + u"/Klasse 7b.test"_s;
    QString error;
    QVERIFY2(writeScrambledFile(path, plain, &error), qPrintable(error));
    f.platform.script().files = {path};
    f.start().showMainWindow();
    f.press(&f.form1(), "Button9");
    f.press(&f.form1(), "Button23");
    QVERIFY(!f.form1().Panel5->isVisible());
}

StringGrid& table(ProgramFixture& f) {
    return f.program->forms().Form2->StringGrid1;
}

QLineEdit* answerField(TForm1& form, int answer) {
    return form.findChild<QLineEdit*>(u"Edit%1"_s.arg(answer + 1));
}

QCheckBox* tickBox(TForm1& form, int answer) {
    return form.findChild<QCheckBox*>(u"CheckBox%1"_s.arg(answer + 5));
}

// A click on the box's square, as the teacher ticks it.
void click(QCheckBox* box) {
    const int middle = box->height() / 2;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(middle, middle));
}

QList<int> ticked(TForm1& form) {
    QList<int> result;
    for (int i = 1; i <= 5; ++i) {
        if (tickBox(form, i)->isChecked())
            result << i;
    }
    return result;
}

bool tickBoxesEnabled(TForm1& form) {
    for (int i = 1; i <= 5; ++i) {
        if (!tickBox(form, i)->isEnabled())
            return false;
    }
    return true;
}

// Types the task into the page (the question replaces what the field shows) and records it.
void writeTask(ProgramFixture& f, const Task& task, const char* button = "BitBtn2") {
    TForm1& form = f.form1();
    form.Edit1->setText(task.question);
    for (int i = 1; i <= 5; ++i)
        answerField(form, i)->setText(task.answers.value(i - 1));
    if (form.CheckBox14->isChecked() != task.text)
        click(form.CheckBox14);
    for (int i = 1; i <= 5; ++i) {
        if (tickBox(form, i)->isChecked() != task.correct.contains(i))
            click(tickBox(form, i));
    }
    f.press(&form, button);
}

Task numbered(int k) {
    return {u"Frage %1"_s.arg(k),
            {u"Antwort %1a"_s.arg(k), u"Antwort %1b"_s.arg(k), u"Antwort %1c"_s.arg(k)},
            {1 + k % 3}};
}

// The block of task k holds this question, these answers and these correct ones.
void compareBlock(ProgramFixture& f, int k, const QByteArray& question, const Task& task) {
    const StringGrid& t = table(f);
    const int r = 6 * (k - 1) + 1;
    QCOMPARE(t.cell(1, r), question);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(t.cell(1, r + i), Cp1252::fromUnicode(task.answers.value(i - 1)));
        QCOMPARE(t.cell(2, r + i), QByteArray("falsch"));
        QCOMPARE(t.cell(3, r + i),
                 task.correct.contains(i) ? QByteArray("wahr") : QByteArray("falsch"));
    }
    QCOMPARE(t.cell(0, r + 4), task.text ? QByteArray("Text") : QByteArray());
}

// The page shows this question, these answers and ticks.
void comparePage(TForm1& form, const QString& question, const Task& task) {
    QCOMPARE(form.Edit1->text(), question);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(answerField(form, i)->text(), task.answers.value(i - 1));
    QCOMPARE(ticked(form), task.correct);
    QCOMPARE(form.CheckBox14->isChecked(), task.text);
}

// Tasks 1 to n as an opened test holds them, and the end mark after them.
void fillTasks(StringGrid& t, int n) {
    for (int k = 1; k <= n; ++k) {
        const int r = 6 * (k - 1) + 1;
        t.setCell(1, r, "Aufgabe " + QByteArray::number(k) + ": Frage " + QByteArray::number(k));
        for (int i = 1; i <= 5; ++i) {
            t.setCell(1, r + i, "Antwort " + QByteArray::number(i));
            t.setCell(2, r + i, "falsch");
            t.setCell(3, r + i, i == 1 ? "wahr" : "falsch");
        }
    }
    t.setCell(1, 6 * n + 1, "Testende!");
}

// Puts the editor on task k the way "zurück" from task k + 1 does.
void showTask(TForm1& form, int k) {
    form.BlockRow = 6 * k + 1;
    form.TaskNumber = k + 1;
    form.Button8Click();
}

} // namespace

class TestTaskEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void recordingTheFirstTask_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("bVersion");
        QTest::newRow("Frage aufnehmen, A, multiple") << QByteArray("Button12") << false << false;
        QTest::newRow("Frage aufnehmen, weiter, B, single")
            << QByteArray("BitBtn2") << true << true;
    }
    void recordingTheFirstTask() {
        QFETCH(QByteArray, button);
        QFETCH(bool, single);
        QFETCH(bool, bVersion);
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        form.CheckBox15->setChecked(single);
        form.RadioButton1->setChecked(bVersion);
        f.program->forms().Form2->SaveCounter = 2;
        const Task task{u"Wie viel ist 2 + 2?"_s, {u"3"_s, u"4"_s, u"fünf"_s}, {2}};
        writeTask(f, task, button.constData());

        compareBlock(f, 1, "Aufgabe 1: Wie viel ist 2 + 2?", task);
        QCOMPARE(table(f).cell(1, 7), QByteArray("Testende!"));
        QCOMPARE(table(f).cell(4, 0), single ? QByteArray("Single") : QByteArray());
        QCOMPARE(table(f).cell(0, 3), bVersion ? QByteArray("red") : QByteArray());
        QCOMPARE(form.BlockRow, 7);
        QCOMPARE(form.TaskNumber, 2);
        QCOMPARE(form.Label4->text(), u"2"_s);
        comparePage(form, u"Testende!"_s, {});
        QVERIFY(!form.Button25->isEnabled());
        QVERIFY(!form.Button26->isEnabled());
        for (QWidget* shown : {form.Button3, form.Button8, form.Button13, form.Button16})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        QCOMPARE(form.ChangesSaved, 0);
        QCOMPARE(f.program->forms().Form2->SaveCounter, 0);
        QVERIFY(f.platform.log.isEmpty());
        // The end mark is offered for overwriting.
        QTRY_COMPARE(form.Edit1->selectedText(), u"Testende!"_s);
    }

    void recordingOnTheEndMarkDoesNothing() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        writeTask(f, numbered(1));
        form.ChangesSaved = 1;
        f.program->forms().Form2->SaveCounter = 1;
        f.press(&form, "Button12");
        QCOMPARE(form.BlockRow, 7);
        QCOMPARE(form.TaskNumber, 2);
        QCOMPARE(form.ChangesSaved, 1);
        QCOMPARE(f.program->forms().Form2->SaveCounter, 1);
        QCOMPARE(table(f).cell(1, 7), QByteArray("Testende!"));
        QCOMPARE(table(f).cell(2, 8), QByteArray());
        QCOMPARE(table(f).cell(1, 13), QByteArray());
        QVERIFY(f.platform.log.isEmpty());
    }

    void recordingWithoutATickWarns_data() {
        QTest::addColumn<QList<int>>("correct");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("warned");
        QTest::newRow("no tick") << QList<int>{} << false << true;
        QTest::newRow("one tick") << QList<int>{5} << false << false;
        QTest::newRow("text answer") << QList<int>{} << true << false;
    }
    void recordingWithoutATickWarns() {
        QFETCH(QList<int>, correct);
        QFETCH(bool, text);
        QFETCH(bool, warned);
        ProgramFixture f;
        startEditor(f);
        const Task task{u"Hauptstadt?"_s, {u"Bonn"_s, u"Berlin"_s}, correct, text};
        writeTask(f, task);
        QCOMPARE(f.platform.logged(u"message: "_s),
                 warned ? QStringList{kNoTickWarning} : QStringList{});
        // The warning only warns: the task is recorded all the same.
        compareBlock(f, 1, "Aufgabe 1: Hauptstadt?", task);
        QCOMPARE(f.form1().TaskNumber, 2);
    }

    void backOnTaskOneDropsTheEdits() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        writeTask(f, numbered(1));
        writeTask(f, numbered(2));
        f.press(&form, "Button8");
        f.press(&form, "Button8");
        comparePage(form, u"Aufgabe 1: Frage 1"_s, numbered(1));
        QVERIFY(!form.Button25->isEnabled());

        form.Edit1->setText(u"Aufgabe 1: geändert"_s);
        form.Edit3->setText(u"anders"_s);
        click(form.CheckBox8);
        f.press(&form, "Button8");
        QCOMPARE(form.BlockRow, 1);
        QCOMPARE(form.TaskNumber, 1);
        QCOMPARE(form.Label4->text(), u"1"_s);
        comparePage(form, u"Aufgabe 1: Frage 1"_s, numbered(1));
        compareBlock(f, 1, "Aufgabe 1: Frage 1", numbered(1));
        QVERIFY(!form.Button25->isEnabled());
        QVERIFY(form.Button26->isEnabled());
    }

    // Solution cells that the editor never writes itself, as an opened file may hold them.
    void ticksShownFromTheTable_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<bool>("textOption");
        // "Frage aufnehmen" comes from task 1 as opened: answers 2 and 5 lose their ticks.
        QTest::newRow("Frage aufnehmen")
            << u"Frage aufnehmen"_s << u"Aufgabe 2: 3 + 4: wie viel?"_s << QList<int>{4} << true;
        QTest::newRow("zurück") << u"zurück"_s << u"Aufgabe 7: 3 + 4: wie viel?"_s
                                << QList<int>{2, 4, 5} << false;
        QTest::newRow("öffnen") << u"öffnen"_s << u"Aufgabe 7: 3 + 4: wie viel?"_s
                                << QList<int>{2, 4, 5} << false;
    }
    void ticksShownFromTheTable() {
        QFETCH(QString, command);
        QFETCH(QString, question);
        QFETCH(QList<int>, ticks);
        QFETCH(bool, textOption);
        StringGrid file(kTestColumns, kSavedRows);
        fillTasks(file, 3);
        const QList<QByteArray> solutions = {"", "", "falsch", "wahr", "ja"};
        for (int r : {1, 7}) {
            file.setCell(1, r, "Aufgabe 7: 3 + 4: wie viel?");
            for (int i = 1; i <= 5; ++i)
                file.setCell(3, r + i, solutions[i - 1]);
        }
        ProgramFixture f;
        openTest(f, file);
        TForm1& form = f.form1();
        if (command == u"zurück"_s)
            showTask(form, 2);
        else if (command == u"Frage aufnehmen"_s)
            f.press(&form, "Button12");
        QCOMPARE(form.Edit1->text(), question);
        QCOMPARE(form.Edit2->text(), u"Antwort 1"_s);
        QCOMPARE(ticked(form), ticks);
        // The text option follows the last box that changed.
        QCOMPARE(form.CheckBox14->isEnabled(), textOption);
    }

    void openingShowsTaskOne() {
        StringGrid file(kTestColumns, kSavedRows);
        fillTasks(file, 2);
        ProgramFixture f;
        openTest(f, file);
        TForm1& form = f.form1();
        QCOMPARE(form.BlockRow, 1);
        QCOMPARE(form.TaskNumber, 1);
        QCOMPARE(form.ChangesSaved, 0);
        comparePage(
            form, u"Aufgabe 1: Frage 1"_s,
            {{},
             {u"Antwort 1"_s, u"Antwort 2"_s, u"Antwort 3"_s, u"Antwort 4"_s, u"Antwort 5"_s},
             {1}});
        for (QWidget* shown :
             {form.Button4, form.Button12, form.BitBtn2, form.Button18, form.Button19})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        const QList<QWidget*> hidden = {form.Button3, form.Button8, form.Button13, form.Button16};
        for (QWidget* widget : hidden)
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        f.press(&form, "Button12");
        comparePage(
            form, u"Aufgabe 2: Frage 2"_s,
            {{},
             {u"Antwort 1"_s, u"Antwort 2"_s, u"Antwort 3"_s, u"Antwort 4"_s, u"Antwort 5"_s},
             {1}});
    }

    void tickRule_data() {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<bool>("textOption");
        QTest::newRow("multiple: two ticks")
            << false << QList<int>{1, 2} << QList<int>{1, 2} << false;
        QTest::newRow("multiple: one of two unticked")
            << false << QList<int>{1, 2, 1} << QList<int>{2} << true;
        QTest::newRow("single: 3 while 1 is ticked")
            << true << QList<int>{1, 3} << QList<int>{3} << false;
        QTest::newRow("single: 5 after 2 and 4")
            << true << QList<int>{2, 4, 5} << QList<int>{5} << false;
        QTest::newRow("single: the only tick unticked")
            << true << QList<int>{1, 3, 3} << QList<int>{} << true;
    }
    void tickRule() {
        QFETCH(bool, single);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, ticks);
        QFETCH(bool, textOption);
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        if (single)
            f.press(&form, "CheckBox15");
        for (int answer : clicks)
            click(tickBox(form, answer));
        QCOMPARE(ticked(form), ticks);
        QCOMPARE(form.CheckBox14->isEnabled(), textOption);
        form.Edit1->setText(u"Frage"_s);
        f.press(&form, "Button12");
        compareBlock(f, 1, "Aufgabe 1: Frage", {{}, {}, ticks});
        QCOMPARE(table(f).cell(4, 0), single ? QByteArray("Single") : QByteArray());
    }

    void textOptionWritesTheMarkAtOnce() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        writeTask(f, numbered(1));
        click(form.CheckBox6);
        click(form.CheckBox7);
        click(form.CheckBox6);
        QCOMPARE(ticked(form), QList<int>{2});
        click(form.CheckBox14);
        QCOMPARE(table(f).cell(0, 11), QByteArray("Text"));
        QCOMPARE(ticked(form), QList<int>{});
        QVERIFY(!form.CheckBox6->isEnabled());
        QVERIFY(!form.CheckBox10->isEnabled());
        QVERIFY(form.CheckBox14->isEnabled());
        click(form.CheckBox14);
        QCOMPARE(table(f).cell(0, 11), QByteArray());
        QVERIFY(tickBoxesEnabled(form));
    }

    void textTasksLockTheTickBoxes() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        const Task normal1 = numbered(1);
        const Task text{u"Beschreibe den Versuch."_s, {}, {}, true};
        const Task normal3 = numbered(3);
        writeTask(f, normal1);
        writeTask(f, text);
        writeTask(f, normal3);
        compareBlock(f, 2, "Aufgabe 2: Beschreibe den Versuch.", text);
        QVERIFY(tickBoxesEnabled(form));

        const QList<std::pair<const char*, int>> steps = {
            {"Button8", 3}, {"Button8", 2}, {"Button8", 1}, {"Button12", 2}, {"Button12", 3}};
        for (const auto& [button, task] : steps) {
            f.press(&form, button);
            QCOMPARE(form.TaskNumber, task);
            QCOMPARE(form.CheckBox14->isChecked(), task == 2);
            QCOMPARE(tickBoxesEnabled(form), task != 2);
            QCOMPARE(ticked(form), (task == 1 ? normal1 : task == 3 ? normal3 : text).correct);
        }
        QCOMPARE(table(f).cell(0, 5), QByteArray());
        QCOMPARE(table(f).cell(0, 11), QByteArray("Text"));
        QCOMPARE(table(f).cell(0, 17), QByteArray());
    }

    void insertingAfterTaskTwoOfThree() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        for (int k = 1; k <= 3; ++k)
            writeTask(f, numbered(k));
        f.press(&form, "Button8");
        f.press(&form, "Button8");
        QCOMPARE(form.TaskNumber, 2);
        f.platform.log.clear();

        f.press(&form, "Button26");
        QCOMPARE(table(f).rowCount(), 1207);
        QCOMPARE(form.BlockRow, 13);
        QCOMPARE(form.TaskNumber, 3);
        QCOMPARE(form.Label4->text(), u"3"_s);
        comparePage(form, u"Aufgabe 3:"_s, {});
        compareBlock(f, 1, "Aufgabe 1: Frage 1", numbered(1));
        compareBlock(f, 2, "Aufgabe 2: Frage 2", numbered(2));
        compareBlock(f, 3, "Aufgabe 3:", {});
        compareBlock(f, 4, "Aufgabe 4: Frage 3", numbered(3));
        QCOMPARE(table(f).cell(1, 25), QByteArray("Testende!"));
        // The walk recorded the blank task, which has no tick.
        QCOMPARE(f.platform.logged(u"message: "_s), QStringList{kNoTickWarning});
        QVERIFY(form.Button25->isEnabled());
        QVERIFY(form.Button26->isEnabled());
    }

    void deletingTaskTwoOfThree() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        for (int k = 1; k <= 3; ++k)
            writeTask(f, numbered(k));
        f.press(&form, "Button8");
        f.press(&form, "Button8");
        f.platform.log.clear();

        f.press(&form, "Button25");
        QCOMPARE(table(f).rowCount(), 1195);
        compareBlock(f, 1, "Aufgabe 1: Frage 1", numbered(1));
        compareBlock(f, 2, "Aufgabe 2: Frage 3", numbered(3));
        QCOMPARE(table(f).cell(1, 13), QByteArray("Testende!"));
        QCOMPARE(table(f).cell(1, 19), QByteArray());
        QCOMPARE(form.BlockRow, 13);
        QCOMPARE(form.TaskNumber, 3);
        comparePage(form, u"Testende!"_s, {});
        QVERIFY(!form.Button25->isEnabled());
        QVERIFY(f.platform.log.isEmpty());
    }

    void deletingStopsOnATaskWithoutAnswers() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        const Task text{u"Erkläre es."_s, {}, {}, true};
        writeTask(f, numbered(1));
        writeTask(f, numbered(2));
        writeTask(f, text);
        writeTask(f, numbered(4));
        for (int i = 0; i < 3; ++i)
            f.press(&form, "Button8");
        QCOMPARE(form.TaskNumber, 2);

        f.press(&form, "Button25");
        QCOMPARE(form.TaskNumber, 2);
        QCOMPARE(form.BlockRow, 7);
        comparePage(form, u"Aufgabe 2: Erkläre es."_s, text);
        // The walk stopped before these were recorded: they keep their old labels.
        QCOMPARE(table(f).cell(1, 7), QByteArray("Aufgabe 3: Erkl\xE4re es."));
        QCOMPARE(table(f).cell(1, 13), QByteArray("Aufgabe 4: Frage 4"));
        f.press(&form, "Button12");
        compareBlock(f, 2, "Aufgabe 2: Erkl\xE4re es.", text);
        comparePage(form, u"Aufgabe 3: Frage 4"_s, numbered(4));
    }

    void taskOneCannotBeDeleted() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        writeTask(f, numbered(1));
        writeTask(f, numbered(2));
        f.press(&form, "Button8");
        f.press(&form, "Button8");
        QVERIFY(!form.Button25->isEnabled());
        form.Button25Click();
        QCOMPARE(f.platform.logged(u"message: "_s),
                 QStringList{u"Aufgabe 1 kann leider nicht komplett gelöscht werden, sie muss "
                             u"umformuliert werden oder bleiben"_s});
        QCOMPARE(table(f).rowCount(), 1201);
        compareBlock(f, 1, "Aufgabe 1: Frage 1", numbered(1));
        compareBlock(f, 2, "Aufgabe 2: Frage 2", numbered(2));
        QCOMPARE(form.BlockRow, 1);
    }

    void savingClearsThePageTicksOnly() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        const Task two{u"Welche sind Primzahlen?"_s, {u"2"_s, u"4"_s, u"5"_s}, {1, 3}};
        writeTask(f, numbered(1));
        writeTask(f, two);
        f.press(&form, "Button8");
        QCOMPARE(ticked(form), (QList<int>{1, 3}));
        form.CheckBox15->setChecked(true);
        f.press(&form, "Button3");
        QCOMPARE(ticked(form), QList<int>{});
        compareBlock(f, 2, "Aufgabe 2: Welche sind Primzahlen?", two);
        QCOMPARE(table(f).cell(4, 0), QByteArray("Single"));
        QCOMPARE(form.ChangesSaved, 1);
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void recordingAtTheEndOfTheSavedRows_data() {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<bool>("refused");
        QTest::newRow("task 199 fits") << 198 << false;
        QTest::newRow("task 200 would not be saved") << 199 << true;
    }
    void recordingAtTheEndOfTheSavedRows() {
        QFETCH(int, tasks);
        QFETCH(bool, refused);
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        fillTasks(table(f), tasks);
        showTask(form, tasks + 1);
        QCOMPARE(form.Edit1->text(), u"Testende!"_s);
        form.ChangesSaved = 1;
        const int end = 6 * tasks + 1;
        writeTask(f, {u"Noch eine Frage"_s, {u"ja"_s}, {1}});
        const QStringList messages = f.platform.logged(u"message: "_s);
        if (refused) {
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages.first().contains(u"199 Aufgaben"_s));
            QCOMPARE(table(f).cell(1, end), QByteArray("Testende!"));
            QCOMPARE(table(f).cell(1, end + 1), QByteArray());
            QCOMPARE(form.BlockRow, end);
            QCOMPARE(form.ChangesSaved, 1);
            QCOMPARE(form.Edit1->text(), u"Noch eine Frage"_s);
        } else {
            QVERIFY(messages.isEmpty());
            QCOMPARE(table(f).cell(1, end), QByteArray("Aufgabe 199: Noch eine Frage"));
            QCOMPARE(table(f).cell(1, end + 6), QByteArray("Testende!"));
        }
    }

    void insertingNearTheEndOfTheSavedRows_data() {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<bool>("refused");
        QTest::newRow("the 199th task fits") << 198 << false;
        QTest::newRow("a 200th task would not be saved") << 199 << true;
    }
    void insertingNearTheEndOfTheSavedRows() {
        QFETCH(int, tasks);
        QFETCH(bool, refused);
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        fillTasks(table(f), tasks);
        showTask(form, 190);
        f.press(&form, "Button26");
        const QStringList messages = f.platform.logged(u"message: "_s);
        if (refused) {
            QCOMPARE(messages.size(), 1);
            QVERIFY(messages.first().contains(u"199 Aufgaben"_s));
            QCOMPARE(table(f).rowCount(), 1201);
            QCOMPARE(table(f).cell(1, 6 * 190 + 1), QByteArray("Aufgabe 191: Frage 191"));
            QCOMPARE(form.TaskNumber, 190);
        } else {
            QCOMPARE(messages, QStringList{kNoTickWarning});
            QCOMPARE(table(f).rowCount(), 1207);
            QCOMPARE(form.TaskNumber, 191);
            QCOMPARE(table(f).cell(1, 6 * 198 + 1), QByteArray("Aufgabe 199: Frage 198"));
            QCOMPARE(table(f).cell(1, 6 * 199 + 1), QByteArray("Testende!"));
        }
    }

    void fieldsRefuseWhatATestCannotStore_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Greek letter in the question") << u"Edit1"_s << u"Ω"_s << u"Ω"_s;
        QTest::newRow("arrow in an answer") << u"Edit4"_s << u"a → b"_s << u"→"_s;
        QTest::newRow("emoji in an answer") << u"Edit6"_s << u"gut 😀"_s << u"😀"_s;
    }
    void fieldsRefuseWhatATestCannotStore() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ProgramFixture f;
        startEditor(f);
        auto* edit = f.form1().findChild<QLineEdit*>(field);
        edit->setText(u"Größe in €"_s);
        edit->end(false);
        edit->insert(typed);
        QCOMPARE(edit->text(), u"Größe in €"_s);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().contains(u"\u201E"_s + shown + u"\u201C"_s),
                 qPrintable(QToolTip::text()));
    }

    void pastedLineBreaksBecomeBlanks_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("LF") << u"erste\nzweite"_s << u"erste zweite"_s;
        QTest::newRow("CR LF") << u"erste\r\nzweite\r\n"_s << u"erste zweite "_s;
        QTest::newRow("paragraph") << u"erste\u2029zweite"_s << u"erste zweite"_s;
        QTest::newRow("umlauts and euro stay") << u"Größe in €"_s << u"Größe in €"_s;
    }
    void pastedLineBreaksBecomeBlanks() {
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        QGuiApplication::clipboard()->setText(pasted);
        form.Edit1->paste();
        form.Edit2->paste();
        QCOMPARE(form.Edit1->text(), text);
        QCOMPARE(form.Edit2->text(), text);
        QCOMPARE(form.Edit2->cursorPosition(), text.size());
        click(form.CheckBox6);
        f.press(&form, "Button12");
        QCOMPARE(table(f).cell(1, 1), "Aufgabe 1: " + Cp1252::fromUnicode(text));
        QCOMPARE(table(f).cell(1, 2), Cp1252::fromUnicode(text));
    }

    // A test of five tasks written, stepped through, with one task inserted and one deleted.
    void writingAWholeTest() {
        ProgramFixture f;
        startEditor(f);
        TForm1& form = f.form1();
        QList<Task> tasks;
        for (int k = 1; k <= 5; ++k) {
            tasks << numbered(k);
            writeTask(f, tasks.last());
        }
        QCOMPARE(form.Edit1->text(), u"Testende!"_s);
        for (int k = 5; k >= 1; --k) {
            f.press(&form, "Button8");
            comparePage(form, u"Aufgabe %1: Frage %1"_s.arg(k), tasks[k - 1]);
        }
        for (int k = 2; k <= 3; ++k) {
            f.press(&form, "Button12");
            comparePage(form, u"Aufgabe %1: Frage %1"_s.arg(k), tasks[k - 1]);
        }

        f.press(&form, "Button26");
        QCOMPARE(form.TaskNumber, 4);
        const Task inserted{u"Aufgabe 4: Eingefügt?"_s, {u"ja"_s, u"nein"_s}, {1}};
        writeTask(f, inserted);
        tasks.insert(3, {u"Eingefügt?"_s, inserted.answers, inserted.correct});
        comparePage(form, u"Aufgabe 5: Frage 4"_s, tasks[4]);

        for (int k = 5; k > 2; --k)
            f.press(&form, "Button8");
        QCOMPARE(form.TaskNumber, 2);
        f.press(&form, "Button25");
        tasks.removeAt(1);
        QCOMPARE(form.Edit1->text(), u"Testende!"_s);
        QCOMPARE(form.TaskNumber, 6);

        QCOMPARE(table(f).rowCount(), 1201);
        for (int k = 1; k <= 5; ++k) {
            const QString question = tasks[k - 1].question.section(u": "_s, -1);
            compareBlock(f, k, Cp1252::fromUnicode(u"Aufgabe %1: "_s.arg(k) + question),
                         tasks[k - 1]);
        }
        QCOMPARE(table(f).cell(1, 31), QByteArray("Testende!"));
        for (int k = 5; k >= 1; --k) {
            f.press(&form, "Button8");
            QCOMPARE(form.Label4->text(), QString::number(k));
        }
        // Only the blank task that the insert walked over had no tick.
        QCOMPARE(f.platform.logged(u"message: "_s), QStringList{kNoTickWarning});
    }
};

QTEST_MAIN(TestTaskEditor)
#include "tst_TaskEditor.moc"
