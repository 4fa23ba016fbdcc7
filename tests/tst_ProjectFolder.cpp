// The project choice: a new folder, an existing test, the student program, the folder shown.
#include "ProgramFixture.h"
#include "TestFiles.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/TForm2.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString kExistingFolder =
    u"Der Ordner existiert schon!\n"
    u"Du kannst ihn weiterhin benutzen und mit dem Projekt fortfahren\n"
    u"Für einen neuen Test eignet sich ein jedoch neuer Projektordner besser.\n"
    u"In den Projektordner gehören alle Mediendateien, das Schüler/-innenmodul und die "
    u"Testdatei!"_s;

QString moduleMissing(const QString& folder) {
    return u"Ich kann das Schüler/-innenmodul Dozove_voro nicht finden. Kopiere es bitte selbst "
           u"in den Projektordner: "_s +
           folder;
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A program on its project choice panel, run from a working folder of its own, which holds
// the student program when asked to.
struct ChoiceFixture : ProgramFixture {
    explicit ChoiceFixture(bool moduleInWorkingFolder = true) {
        QDir().mkpath(working());
        if (moduleInWorkingFolder)
            put(working() + u"/Dozove_voro.exe"_s, "schueler");
        m_previous = QDir::currentPath();
        QDir::setCurrent(working());
    }
    ~ChoiceFixture() { QDir::setCurrent(m_previous); }

    void startAtChoice() {
        start().showMainWindow();
        press(&form1(), "Button9");
    }
    QString working() const { return temp.path() + u"/arbeit"_s; }
    TForm2& form2() const { return *program->forms().Form2; }

private:
    QString m_previous;
};

void writeTest(const QString& path, int tasks) {
    StringGrid plain(5, 1201);
    for (int k = 1; k <= tasks; ++k) {
        const int r = 6 * (k - 1) + 1;
        plain.setCell(1, r,
                      "Aufgabe " + QByteArray::number(k) + ": Frage " + QByteArray::number(k));
        for (int i = 1; i <= 5; ++i) {
            plain.setCell(2, r + i, "falsch");
            plain.setCell(3, r + i, i == 1 ? "wahr" : "falsch");
        }
    }
    plain.setCell(1, 6 * tasks + 1, "Testende!");
    QVERIFY(writeScrambledFile(path, plain, nullptr));
}

} // namespace

class TestProjectFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY2(!QFileInfo::exists(QCoreApplication::applicationDirPath() + u"/Dozove_voro.exe"_s),
                 "a student program beside the test program spoils these tests");
    }

    void choicePanel() {
        ChoiceFixture f;
        f.startAtChoice();
        TForm1& form = f.form1();
        QVERIFY(form.Panel5->isVisible());
        // The editor does not show through: where the question field lies, the panel looks as
        // it does in its empty corner.
        const QImage shot = form.grab().toImage();
        const QPoint field = form.Edit1->mapTo(&form, form.Edit1->rect().center());
        const QPoint corner = form.Panel5->mapTo(&form, QPoint(8, 8));
        QCOMPARE(shot.pixelColor(field), shot.pixelColor(corner));
        QCOMPARE(form.Button22->text(), u"neuen Projektordner erstellen"_s);
        QCOMPARE(form.Button22->toolTip(), u"Um einen neuen Test zu erstellen, drücke hier und "
                                           u"erzeuge einen neuen  Ordner!"_s);
        QCOMPARE(form.Label6->text(), u"oder"_s);
        QCOMPARE(form.Button23->text(), u"vorhandenen Test wählen"_s);
        QCOMPARE(form.Button23->toolTip(), u"Nachdem du einen Ordner gewählt hast, kannst du den "
                                           u"entsprechenden Test öffnen und verändern."_s);
        QCOMPARE(form.Button22->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.Button23->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!form.Button17->isVisible());
        QVERIFY(!form.Button24->isVisible());
    }

    void newFolder_data() {
        QTest::addColumn<QStringList>("inputs"); // none: the box is cancelled
        QTest::addColumn<QString>("existing");   // a folder made before, under the projects
        QTest::addColumn<QString>("folder");     // ProjectFolder after the projects folder
        QTest::addColumn<bool>("told");
        QTest::newRow("default") << QStringList() << QString() << u"/Test_1/"_s << false;
        QTest::newRow("own name") << QStringList{u"Mathe 7b"_s} << QString() << u"/Mathe 7b/"_s
                                  << false;
        QTest::newRow("existing folder") << QStringList{u"Alt"_s} << u"Alt"_s << u"/Alt/"_s << true;
        QTest::newRow("empty name is the projects folder")
            << QStringList{QString()} << QString() << u"//"_s << true;
    }
    void newFolder() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, existing);
        QFETCH(QString, folder);
        QFETCH(bool, told);
        ChoiceFixture f;
        if (!existing.isEmpty())
            QDir().mkpath(f.projects() + u'/' + existing);
        f.platform.script().inputs = inputs;
        f.startAtChoice();
        TForm1& form = f.form1();
        f.press(&form, "Button22");

        const QString projectFolder = f.projects() + folder;
        QCOMPARE(f.platform.logged(u"input: "_s),
                 QStringList{u"Eingabedialog | Wie soll der Projektordner heißen? | Test_1 -> "_s +
                             (inputs.isEmpty() ? u"Test_1"_s : inputs.first())});
        QCOMPARE(form.ProjectFolder, projectFolder);
        QVERIFY(QFileInfo(projectFolder).isDir());
        QCOMPARE(f.platform.logged(u"message: "_s),
                 told ? QStringList{kExistingFolder} : QStringList());
        QCOMPARE(form.StatusPanel0->text(), u"Aktueller Projektordner: "_s + projectFolder);
        QCOMPARE(fileBytes(projectFolder + u"Dozove_voro.exe"_s), QByteArray("schueler"));
        QVERIFY(!form.Panel5->isVisible());
        QVERIFY(form.Button24->isVisible());
        QVERIFY(form.Button4->isVisible());
        QVERIFY(form.Button12->isVisible());
    }

    // The student program is copied from the working folder, never over one in the folder.
    void studentModule_data() {
        QTest::addColumn<bool>("inWorkingFolder");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("inProjectFolder");
        QTest::addColumn<QByteArray>("expected"); // empty: no student program in the folder
        QTest::addColumn<bool>("told");
        QTest::newRow("new folder") << true << false << false << QByteArray("schueler") << false;
        QTest::newRow("existing folder without one")
            << true << true << false << QByteArray("schueler") << false;
        QTest::newRow("existing folder keeps its own")
            << true << true << true << QByteArray("alt") << false;
        QTest::newRow("none to copy") << false << false << false << QByteArray() << true;
        QTest::newRow("none to copy, the folder has one")
            << false << true << true << QByteArray("alt") << false;
    }
    void studentModule() {
        QFETCH(bool, inWorkingFolder);
        QFETCH(bool, folderExists);
        QFETCH(bool, inProjectFolder);
        QFETCH(QByteArray, expected);
        QFETCH(bool, told);
        ChoiceFixture f(inWorkingFolder);
        const QString folder = f.projects() + u"/Klasse/"_s;
        if (folderExists)
            QDir().mkpath(folder);
        if (inProjectFolder)
            put(folder + u"Dozove_voro.exe"_s, "alt");
        f.platform.script().inputs = {u"Klasse"_s};
        f.startAtChoice();
        f.press(&f.form1(), "Button22");
        QCOMPARE(fileBytes(folder + u"Dozove_voro.exe"_s), expected);
        QCOMPARE(f.platform.logged(u"message: "_s).contains(moduleMissing(folder)), told);
        QCOMPARE(f.form1().ProjectFolder, folder);
        QVERIFY(!f.form1().Panel5->isVisible());
    }

    void folderThatCannotBeMade() {
        ChoiceFixture f;
        f.platform.script().inputs = {u"fehlt/neu"_s}; // one level only
        f.startAtChoice();
        TForm1& form = f.form1();
        f.press(&form, "Button22");
        const QStringList errors = f.platform.logged(u"error: "_s);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains(f.projects() + u"/fehlt/neu"_s));
        QCOMPARE(form.ProjectFolder, f.projects());
        QVERIFY(form.Panel5->isVisible());
        QCOMPARE(form.StatusPanel0->text(), QString());
        QVERIFY(!form.Button24->isVisible());
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void existingTest() {
        ChoiceFixture f;
        const QString folder = f.projects() + u"/Alt"_s;
        QDir().mkpath(folder);
        writeTest(folder + u"/t.test"_s, 2);
        f.platform.script().files = {folder + u"/t.test"_s};
        f.startAtChoice();
        TForm1& form = f.form1();
        f.press(&form, "Button23");

        QCOMPARE(f.platform.script().fileDialogs.value(0).folder, f.projects());
        QCOMPARE(form.ProjectFolder, folder + u'/');
        QCOMPARE(form.StatusPanel0->text(), u"Aktueller Projektordner: "_s + folder + u'/');
        QCOMPARE(form.windowTitle(), u"Varelo - Dedorudud Modul - "_s + folder + u"/t.test"_s);
        QCOMPARE(form.Edit1->text(), u"Aufgabe 1: Frage 1"_s);
        QCOMPARE(fileBytes(folder + u"/Dozove_voro.exe"_s), QByteArray("schueler"));
        QVERIFY(!form.Panel5->isVisible());
        QVERIFY(form.Button24->isVisible());
        QVERIFY(!form.Button14->isVisible());
        QCOMPARE(form.ChangesSaved, 0);
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void existingTestWithoutStudentModuleIsToldTwice() {
        ChoiceFixture f(false);
        const QString folder = f.projects() + u"/Alt"_s;
        QDir().mkpath(folder);
        writeTest(folder + u"/t.test"_s, 1);
        f.platform.script().files = {folder + u"/t.test"_s};
        f.startAtChoice();
        f.press(&f.form1(), "Button23");
        QCOMPARE(f.platform.logged(u"message: "_s),
                 (QStringList{moduleMissing(folder), moduleMissing(folder + u'/')}));
        QCOMPARE(f.form1().ProjectFolder, folder + u'/');
        QVERIFY(!f.form1().Panel5->isVisible());
    }

    // No test chosen, or one that cannot be read: the teacher stays at the choice.
    void noTestChosen_data() {
        QTest::addColumn<QByteArray>("fileBytes"); // empty: the dialog is cancelled
        QTest::newRow("cancelled") << QByteArray();
        QTest::newRow("damaged file") << QByteArray("kein Test\r\n");
    }
    void noTestChosen() {
        QFETCH(QByteArray, fileBytes);
        ChoiceFixture f;
        const QString path = f.projects() + u"/kaputt.test"_s;
        if (!fileBytes.isEmpty()) {
            QDir().mkpath(f.projects());
            put(path, fileBytes);
            f.platform.script().files = {path};
        }
        f.startAtChoice();
        TForm1& form = f.form1();
        const QString caption = form.windowTitle();
        f.press(&form, "Button23");
        QCOMPARE(f.platform.logged(u"error: "_s).size(), fileBytes.isEmpty() ? 0 : 1);
        QVERIFY(form.Panel5->isVisible());
        QCOMPARE(form.ProjectFolder, f.projects());
        QCOMPARE(form.StatusPanel0->text(), QString());
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.ChangesSaved, 1);
        QVERIFY(!form.Button24->isVisible());
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
        // The choice still works.
        f.press(&form, "Button22");
        QCOMPARE(form.ProjectFolder, f.projects() + u"/Test_1/"_s);
    }

    void folderIsShownInTheFileManager_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("no file manager") << false;
    }
    void folderIsShownInTheFileManager() {
        QFETCH(bool, shown);
        ChoiceFixture f;
        f.platform.recordingShell().succeeds = shown;
        f.startAtChoice();
        f.press(&f.form1(), "Button22");
        f.press(&f.form1(), "Button24");
        const QString folder = f.projects() + u"/Test_1/"_s;
        QCOMPARE(f.platform.logged(u"shell explore: "_s), QStringList{folder + u" | "_s + folder});
        const QStringList messages = f.platform.logged(u"message: "_s);
        QCOMPARE(messages.size(), shown ? 0 : 1);
        if (!shown)
            QVERIFY(messages.first().endsWith(folder));
    }

    // A whole authoring run: three tasks, both versions saved, and the A version opened again
    // in a new run of the program.
    void authoringRun() {
        ChoiceFixture f;
        f.platform.script().files = {f.projects() + u"/Test_1/gerade.test"_s,
                                     f.projects() + u"/Test_1/ungerade.test"_s};
        f.platform.script().answers = {true};
        f.startAtChoice();
        TForm1& form = f.form1();
        f.press(&form, "Button22");
        QCheckBox* const ticks[] = {form.CheckBox6, form.CheckBox7, form.CheckBox8};
        for (int k = 0; k < 3; ++k) {
            form.Edit1->setText(u"Wie heißt Frage %1?"_s.arg(k + 1));
            for (int i = 0; i < 3; ++i)
                (i == 0   ? form.Edit2
                 : i == 1 ? form.Edit3
                          : form.Edit4)
                    ->setText(u"Antwort %1.%2"_s.arg(k + 1).arg(i + 1));
            ticks[k]->setChecked(true);
            f.press(&form, "Button12");
        }
        const StringGrid aVersion = f.form2().StringGrid1;
        f.press(&form, "Button3");
        const StringGrid bVersion = f.form2().StringGrid1;
        QCOMPARE(f.platform.logged(u"save: "_s).size(), 2);
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());

        StringGrid expectedA = aVersion;
        expectedA.setCell(0, 3, "yellow");
        const StringGrid savedA = readScrambledFile(f.projects() + u"/Test_1/gerade.test"_s);
        QCOMPARE(firstDifference(savedA, expectedA), QString());
        QCOMPARE(savedA.cell(1, 1), QByteArray("Aufgabe 1: Wie hei\xDF"
                                               "t Frage 1?"));
        QCOMPARE(savedA.cell(1, 19), QByteArray("Testende!"));
        const StringGrid savedB = readScrambledFile(f.projects() + u"/Test_1/ungerade.test"_s);
        QCOMPARE(firstDifference(savedB, bVersion), QString());
        QCOMPARE(savedB.cell(0, 3), QByteArray("red"));
        QSignalSpy closed(&form, &TForm1::closed);
        f.press(&form, "Button1");
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.platform.logged(u"question: "_s).size(), 1); // none on closing

        // A new run of the program in the same home.
        f.program.reset();
        f.platform.log.clear();
        f.platform.script().files = {f.projects() + u"/Test_1/gerade.test"_s};
        f.startAtChoice();
        f.press(&f.form1(), "Button23");
        QCOMPARE(firstDifference(f.form2().StringGrid1, expectedA), QString());
        QCOMPARE(f.form1().Edit1->text(), u"Aufgabe 1: Wie heißt Frage 1?"_s);
        QCOMPARE(f.form1().ProjectFolder, f.projects() + u"/Test_1/"_s);
    }
};

QTEST_MAIN(TestProjectFolder)
#include "tst_ProjectFolder.moc"
