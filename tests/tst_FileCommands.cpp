// The worker window's open, save and second version, run through the real windows.
#include "ProgramFixture.h"
#include "TestFiles.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/SecondVersion.h"
#include "files/TForm2.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QSet>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

const QString kCaptionPrefix = u"Varelo - Dedorudud Modul - "_s;

// Tasks as the editor records them; task k has answer k % 5 + 1 correct.
void writeTasks(StringGrid& table, int count, bool endMark = true) {
    for (int k = 1; k <= count; ++k) {
        const int r = 6 * (k - 1) + 1;
        table.setCell(1, r,
                      "Aufgabe " + QByteArray::number(k) + ": Frage " + QByteArray::number(k));
        for (int i = 1; i <= 5; ++i) {
            table.setCell(1, r + i,
                          "Antwort " + QByteArray::number(k) + "." + QByteArray::number(i));
            table.setCell(2, r + i, "falsch");
            table.setCell(3, r + i, i == k % 5 + 1 ? "wahr" : "falsch");
        }
    }
    if (endMark)
        table.setCell(1, 6 * count + 1, "Testende!");
}

QString questionText(const StringGrid& table, int task) {
    const QByteArray cell = table.cell(1, 6 * (task - 1) + 1);
    return QString::fromLatin1(cell.mid(cell.indexOf(':') + 1));
}

// A program with a project folder chosen, as after "neuen Projektordner erstellen".
struct FileFixture : ProgramFixture {
    FileFixture() {
        start();
        folder = projects() + u"/Klasse"_s;
        QDir().mkpath(folder);
        form1().ProjectFolder = folder + u'/';
    }
    TForm2& form2() const { return *program->forms().Form2; }
    QString file(const QString& name) const { return folder + u'/' + name; }
    QString folder;
};

// The file size limit of this process, lowered for one scope: root writes through file
// permissions, but not past this.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void saveWritesTheScrambledTable() {
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 3);
        f.platform.script().files = {f.file(u"a.test"_s)};
        f.form2().Button5Click();

        const FileDialogSpec spec = f.platform.script().fileDialogs.value(0);
        QCOMPARE(spec.filter, u"Varelo im Projektordner speichern| *.test"_s);
        QCOMPARE(spec.defaultExtension, u".test"_s);
        QCOMPARE(spec.folder, f.folder + u'/');
        QVERIFY(spec.confirmOverwrite);
        QCOMPARE(f.form2().WorkFolder, f.folder + u'/');

        const QByteArray bytes = fileBytes(f.file(u"a.test"_s));
        QVERIFY(bytes.startsWith("5\r\n1201\r\n"));
        QVERIFY(!bytes.contains("Testende!")); // scrambled on disk
        StringGrid expected = f.form2().StringGrid1;
        expected.setCell(0, 3, "yellow");
        QCOMPARE(firstDifference(readScrambledFile(f.file(u"a.test"_s)), expected, 1201),
                 QString());
        QCOMPARE(f.form1().windowTitle(), kCaptionPrefix + f.file(u"a.test"_s));
        QCOMPARE(f.form2().SaveCounter, 1);
    }

    // The colour word of the file and when the second-version question comes.
    void saveCounter_data() {
        QTest::addColumn<int>("savesBefore");
        QTest::addColumn<bool>("taskRecorded"); // the counter is reset before the last save
        QTest::addColumn<QByteArray>("fileColour");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("questions");
        QTest::newRow("first save") << 0 << false << QByteArray("yellow") << 1 << 1;
        QTest::newRow("second save") << 1 << false << QByteArray("red") << 2 << 1;
        QTest::newRow("third save") << 2 << false << QByteArray("red") << 3 << 1;
        QTest::newRow("after a recorded task") << 2 << true << QByteArray("yellow") << 1 << 2;
    }
    void saveCounter() {
        QFETCH(int, savesBefore);
        QFETCH(bool, taskRecorded);
        QFETCH(QByteArray, fileColour);
        QFETCH(int, counter);
        QFETCH(int, questions);
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 2);
        f.form2().StringGrid1.setCell(0, 3, "red");
        for (int i = 0; i < savesBefore; ++i) {
            f.platform.script().files = {f.file(u"vorher.test"_s)};
            f.form2().Button5Click();
        }
        if (taskRecorded)
            f.form2().Button12Click();
        f.platform.script().files = {f.file(u"a.test"_s)};
        f.form2().Button5Click();
        QCOMPARE(readScrambledFile(f.file(u"a.test"_s)).cell(0, 3), fileColour);
        QCOMPARE(f.form2().StringGrid1.cell(0, 3), QByteArray("red"));
        QCOMPARE(f.form2().SaveCounter, counter);
        // Asked after every save that leaves the counter at 1, answered "Nein" here.
        QCOMPARE(f.platform.logged(u"question: "_s).size(), questions);
    }

    void cancelledSaveAsksOnlyAtOne_data() {
        QTest::addColumn<int>("saves");
        QTest::addColumn<bool>("asked");
        QTest::newRow("counter 0") << 0 << false;
        QTest::newRow("counter 1") << 1 << true;
        QTest::newRow("counter 2") << 2 << false;
    }
    void cancelledSaveAsksOnlyAtOne() {
        QFETCH(int, saves);
        QFETCH(bool, asked);
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 2);
        for (int i = 0; i < saves; ++i) {
            f.platform.script().files = {f.file(u"a.test"_s)};
            f.form2().Button5Click();
        }
        f.platform.log.clear();
        const QString caption = f.form1().windowTitle();
        f.form2().Button5Click(); // the dialog is cancelled
        QCOMPARE(f.platform.logged(u"question: "_s).size(), asked ? 1 : 0);
        if (asked)
            QVERIFY(
                f.platform.logged(u"question: "_s)
                    .first()
                    .startsWith(
                        u"Soll ein weiterer Test mit denselben Aufgaben, jedoch in anderer "
                        u"Anordnung\n"
                        u"generiert werden? Das verhindert das Abschreiben beim Nachbarn "
                        u"effektiv.\n"
                        u"Ich erstelle immer 2 Tests und ergänze die Dateinamen mit gerader- bzw. "
                        u"ungerader Rechner.\n"
                        u"Die Prüflinge öffnen dann nach jeweiliger Rechnernummer unterschiedlich "
                        u"scheinende Test!\n"
                        u"Schnelles klicken im SchülerInnenmodul, erzeugt durch Suchen der "
                        u"aktuellen "
                        u"Aufgabe des Nachbarn, \n"
                        u"erzeugt einen Bluescreen und eine Zwangswartezeit -> Nein"_s));
        QCOMPARE(f.form2().SaveCounter, saves);
        QCOMPARE(f.form1().windowTitle(), caption);
    }

    void questionComesAgainAfterACancelledSecondVersionSave() {
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 3);
        f.platform.script().files = {f.file(u"a.test"_s), QString()};
        f.platform.script().answers = {true, false};
        f.form2().Button5Click();
        QCOMPARE(f.platform.logged(u"save: "_s).size(), 2);
        const QStringList questions = f.platform.logged(u"question: "_s);
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].endsWith(u" -> Ja"_s));
        QVERIFY(questions[1].endsWith(u" -> Nein"_s));
        QCOMPARE(f.form2().SaveCounter, 1);
    }

    void secondVersion_data() {
        QTest::addColumn<int>("tasks");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QDateTime>("clock");
        QTest::addColumn<quint32>("seed"); // milliseconds since midnight, UTC
        QTest::newRow("one task") << 1 << false
                                  << QDateTime(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC)
                                  << quint32(36000000);
        QTest::newRow("seven tasks, clock an hour ahead of UTC")
            << 7 << false
            << QDateTime(QDate(2026, 3, 2), QTime(0, 0, 0, 5), Qt::OffsetFromUTC, 3600)
            << quint32(82800005);
        QTest::newRow("twelve tasks, single choice")
            << 12 << true << QDateTime(QDate(2026, 3, 2), QTime(13, 14, 15, 16), Qt::UTC)
            << quint32(47655016);
    }
    void secondVersion() {
        QFETCH(int, tasks);
        QFETCH(bool, single);
        QFETCH(QDateTime, clock);
        QFETCH(quint32, seed);
        FileFixture f;
        f.platform.fixedClock().time = clock;
        StringGrid& table = f.form2().StringGrid1;
        writeTasks(table, tasks);
        table.setCell(0, 3, "red"); // whatever block 1 says, the A version is yellow
        f.form1().CheckBox15->setChecked(single);
        const StringGrid original = table;
        f.form1().ChangesSaved = 0;
        f.platform.script().files = {f.file(u"a.test"_s), f.file(u"b.test"_s)};
        f.platform.script().answers = {true};
        f.form2().Button5Click();

        const StringGrid a = readScrambledFile(f.file(u"a.test"_s));
        const StringGrid b = readScrambledFile(f.file(u"b.test"_s));
        QCOMPARE(a.cell(0, 3), QByteArray("yellow"));
        QCOMPARE(b.cell(0, 3), QByteArray("red"));
        QCOMPARE(b.cell(4, 0), single ? QByteArray("Single") : QByteArray());
        QCOMPARE(b.cell(1, 6 * tasks + 1), QByteArray("Testende!"));
        QCOMPARE(firstDifference(b, table, 1201), QString()); // the table is the B version
        QCOMPARE(f.form1().windowTitle(), kCaptionPrefix + f.file(u"b.test"_s));
        QCOMPARE(f.form2().SaveCounter, 2);
        QCOMPARE(f.form1().ChangesSaved, 1);
        QCOMPARE(f.platform.logged(u"question: "_s).size(), 1);

        // Every task once, whole, relabelled in table order.
        QSet<QString> seen;
        for (int place = 1; place <= tasks; ++place) {
            const int r = 6 * (place - 1) + 1;
            const QString question = questionText(b, place);
            QVERIFY(b.cell(1, r).startsWith("Aufgabe " + QByteArray::number(place) + ": Frage "));
            const int task = question.mid(7).toInt();
            QVERIFY(!seen.contains(question));
            seen.insert(question);
            const int from = 6 * (task - 1) + 1;
            for (int k = 1; k < 6; ++k) {
                for (int col = 0; col < 5; ++col) {
                    if (col == 0 && r + k == 3)
                        continue; // the colour word
                    QCOMPARE(b.cell(col, r + k), original.cell(col, from + k));
                }
            }
        }
        QCOMPARE(seen.size(), tasks);

        // The order follows from the clock alone.
        StringGrid expected = original;
        StringGrid working(5, 1201);
        QVERIFY(buildSecondVersion(expected, working, tasks, single, seed));
        QCOMPARE(firstDifference(b, expected, 1201), QString());
    }

    void secondVersionIsWhatTheEditorShows() {
        // The teacher stepped back to task 2 and saved there.
        FileFixture f;
        f.platform.fixedClock().time = QDateTime(QDate(2026, 3, 2), QTime(10, 0, 0, 7), Qt::UTC);
        writeTasks(f.form2().StringGrid1, 6);
        f.form1().BlockRow = 7;
        f.form1().TaskNumber = 2;
        f.form1().Edit1->setText(u"Aufgabe 2: Frage 2"_s);
        f.form1().Edit2->setText(u"Antwort 2.1"_s);
        f.platform.script().files = {f.file(u"a.test"_s), f.file(u"b.test"_s)};
        f.platform.script().answers = {true};
        f.form1().Button3Click();

        const StringGrid& table = f.form2().StringGrid1;
        QVERIFY(table.cell(1, 7) != QByteArray("Aufgabe 2: Frage 2"));
        QCOMPARE(f.form1().Edit1->text(), QString::fromLatin1(table.cell(1, 7)));
        QCOMPARE(f.form1().Edit2->text(), QString::fromLatin1(table.cell(1, 8)));
        for (int i = 1; i <= 5; ++i) {
            auto* tick = f.form1().findChild<QCheckBox*>(u"CheckBox%1"_s.arg(5 + i));
            QCOMPARE(tick->isChecked(), table.cell(3, 7 + i) == "wahr");
        }
    }

    void secondVersionOfAnEmptyTest() {
        FileFixture f;
        f.form2().StringGrid1.setCell(1, 1, "Testende!");
        const StringGrid before = f.form2().StringGrid1;
        f.form1().ChangesSaved = 0;
        f.form2().Button10Click();
        QCOMPARE(f.platform.logged(u"message: "_s).size(), 1);
        QVERIFY(f.platform.logged(u"save: "_s).isEmpty());
        QCOMPARE(firstDifference(f.form2().StringGrid1, before, 1201), QString());
        QCOMPARE(f.form1().ChangesSaved, 0);
    }

    void secondVersionAfterALongerOneLeavesNothingBehind() {
        FileFixture f;
        StringGrid& table = f.form2().StringGrid1;
        writeTasks(table, 6);
        f.form2().Button10Click(); // its save dialog is cancelled
        table.clear();
        writeTasks(table, 2);
        f.platform.script().files = {f.file(u"b.test"_s)};
        f.form2().Button10Click();
        const StringGrid b = readScrambledFile(f.file(u"b.test"_s));
        for (int row = 14; row < 1201; ++row) {
            for (int col = 0; col < 5; ++col)
                QVERIFY2(b.cell(col, row).isEmpty(), qPrintable(u"(%1, %2)"_s.arg(col).arg(row)));
        }
    }

    // Root writes through read-only permissions; these targets stay unwritable all the same.
    void failingSave_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder is a regular file") << u"datei/a.test"_s;
        QTest::newRow("a folder where the file should be") << u"ordner.test"_s;
    }
    void failingSave() {
        QFETCH(QString, target);
        FileFixture f;
        QFile blocker(f.file(u"datei"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(QDir().mkdir(f.file(u"ordner.test"_s)));
        writeTasks(f.form2().StringGrid1, 2);
        const QString caption = f.form1().windowTitle();
        f.platform.script().files = {f.file(target)};
        f.form1().Button3Click(); // "speichern"

        const QStringList errors = f.platform.logged(u"error: "_s);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(u"Der Test wurde nicht gespeichert.\n"_s));
        QVERIFY(errors.first().contains(f.file(target)));
        QCOMPARE(f.form1().ChangesSaved, 0);
        QCOMPARE(f.form2().SaveCounter, 0);
        QCOMPARE(f.form1().windowTitle(), caption);
        QVERIFY(f.platform.logged(u"question: "_s).isEmpty());
        QVERIFY(QFileInfo(f.file(u"ordner.test"_s)).isDir());
        QCOMPARE(QFileInfo(f.file(u"datei"_s)).size(), 0);
    }

    void failingSaveKeepsThePreviousFile() {
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 3);
        f.platform.script().files = {f.file(u"a.test"_s)};
        f.form1().Button3Click();
        const QByteArray saved = fileBytes(f.file(u"a.test"_s));
        QVERIFY(saved.size() > 4096);
        const QString caption = f.form1().windowTitle();

        f.form2().StringGrid1.setCell(1, 1, "Aufgabe 1: geändert");
        f.platform.script().files = {f.file(u"a.test"_s)};
        {
            const FileSizeLimit limit(4096);
            f.form1().Button3Click();
        }
        QVERIFY2(fileBytes(f.file(u"a.test"_s)) == saved,
                 "the previous file was replaced by a cut-off one");
        QCOMPARE(f.platform.logged(u"error: "_s).size(), 1);
        QVERIFY(f.platform.logged(u"error: "_s).first().contains(f.file(u"a.test"_s)));
        QCOMPARE(QDir(f.folder).entryList(QDir::Files), QStringList{u"a.test"_s});
        QCOMPARE(f.form1().ChangesSaved, 0);
        QCOMPARE(f.form2().SaveCounter, 1);
        QCOMPARE(f.form1().windowTitle(), caption);
    }

    void openLoadsTheTest() {
        FileFixture f;
        StringGrid plain(5, 1201);
        writeTasks(plain, 4);
        plain.setCell(0, 3, "yellow");
        const QString other = f.projects() + u"/Anderer"_s;
        QDir().mkpath(other);
        QVERIFY(writeScrambledFile(other + u"/t.test"_s, plain, nullptr));
        f.form2().StringGrid1.setCell(2, 1200, "bleibt");
        f.platform.script().files = {other + u"/t.test"_s};
        f.form2().Button3Click();

        const FileDialogSpec spec = f.platform.script().fileDialogs.value(0);
        QCOMPARE(spec.filter, u".test| *.test"_s);
        QCOMPARE(spec.defaultExtension, u".test"_s);
        QCOMPARE(spec.folder, f.folder + u'/');
        QVERIFY(!spec.confirmOverwrite);
        QVERIFY(!spec.changeCurrentFolder);
        QVERIFY(f.form2().testOpened());
        QCOMPARE(firstDifference(f.form2().StringGrid1, plain, 1201), QString());
        QCOMPARE(f.form1().windowTitle(), kCaptionPrefix + other + u"/t.test"_s);
        QCOMPARE(f.form2().WorkFolder, other);
        QCOMPARE(f.form1().ProjectFolder, other + u'/');
    }

    // The main window's options after an open: the version from (0, 3), the text and single
    // boxes only ever switched on.
    void openSetsTheOptions_data() {
        QTest::addColumn<QByteArray>("colour");
        QTest::addColumn<QByteArray>("textMark");
        QTest::addColumn<QByteArray>("singleMark");
        QTest::addColumn<bool>("boxesBefore");
        QTest::addColumn<bool>("bVersion");
        QTest::addColumn<bool>("text");
        QTest::addColumn<bool>("single");
        QTest::newRow("red") << QByteArray("red") << QByteArray() << QByteArray() << false << true
                             << false << false;
        QTest::newRow("yellow") << QByteArray("yellow") << QByteArray() << QByteArray() << false
                                << false << false << false;
        QTest::newRow("no colour")
            << QByteArray() << QByteArray() << QByteArray() << false << false << false << false;
        QTest::newRow("Red is no colour word") << QByteArray("Red") << QByteArray() << QByteArray()
                                               << false << false << false << false;
        QTest::newRow("text and single") << QByteArray() << QByteArray("Text")
                                         << QByteArray("Single") << false << false << true << true;
        QTest::newRow("empty marks leave the boxes on")
            << QByteArray("red") << QByteArray() << QByteArray() << true << true << true << true;
    }
    void openSetsTheOptions() {
        QFETCH(QByteArray, colour);
        QFETCH(QByteArray, textMark);
        QFETCH(QByteArray, singleMark);
        QFETCH(bool, boxesBefore);
        QFETCH(bool, bVersion);
        QFETCH(bool, text);
        QFETCH(bool, single);
        FileFixture f;
        TForm1& form = f.form1();
        form.RadioButton1->setChecked(!bVersion);
        form.RadioButton2->setChecked(bVersion);
        form.CheckBox14->setChecked(boxesBefore);
        form.CheckBox15->setChecked(boxesBefore);
        StringGrid plain(5, 1201);
        writeTasks(plain, 1);
        plain.setCell(0, 3, colour);
        plain.setCell(0, 5, textMark);
        plain.setCell(4, 0, singleMark);
        QVERIFY(writeScrambledFile(f.file(u"t.test"_s), plain, nullptr));
        f.platform.script().files = {f.file(u"t.test"_s)};
        f.form2().Button3Click();
        QCOMPARE(form.RadioButton1->isChecked(), bVersion);
        QCOMPARE(form.RadioButton2->isChecked(), !bVersion);
        QCOMPARE(form.CheckBox14->isChecked(), text);
        QCOMPARE(form.CheckBox15->isChecked(), single);
    }

    void openRefusesADamagedFile_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("count is no number") << QByteArray("fünf\r\n1201\r\n");
        QTest::newRow("absurd row count") << QByteArray("5\r\n999999999\r\n");
        QTest::newRow("absurd column count") << QByteArray("70000\r\n3\r\n");
    }
    void openRefusesADamagedFile() {
        QFETCH(QByteArray, bytes);
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 2);
        const StringGrid before = f.form2().StringGrid1;
        const QString path = f.file(u"kaputt.test"_s);
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString caption = f.form1().windowTitle();
        f.platform.script().files = {path};
        f.form2().Button3Click();
        const QStringList errors = f.platform.logged(u"error: "_s);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains(path));
        QVERIFY(!f.form2().testOpened());
        QCOMPARE(firstDifference(f.form2().StringGrid1, before, 1201), QString());
        QCOMPARE(f.form2().StringGrid2.rowCount(), 1201);
        QCOMPARE(f.form1().windowTitle(), caption);
        QCOMPARE(f.form1().ProjectFolder, f.folder + u'/');
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void cancelledOpenChangesNothing() {
        FileFixture f;
        writeTasks(f.form2().StringGrid1, 2);
        const StringGrid before = f.form2().StringGrid1;
        f.form2().Button3Click();
        QVERIFY(!f.form2().testOpened());
        QCOMPARE(firstDifference(f.form2().StringGrid1, before, 1201), QString());
        QCOMPARE(f.form1().ProjectFolder, f.folder + u'/');
        QCOMPARE(f.platform.log.size(), 1); // the dialog only
    }

    // A save writes as many rows as the file read last had.
    void saveKeepsTheExtentOfTheFileReadLast_data() {
        QTest::addColumn<int>("fileRows"); // 0: nothing opened
        QTest::newRow("nothing opened") << 0;
        QTest::newRow("a file of 1207 rows") << 1207;
        QTest::newRow("a file of 40 rows") << 40;
    }
    void saveKeepsTheExtentOfTheFileReadLast() {
        QFETCH(int, fileRows);
        FileFixture f;
        if (fileRows > 0) {
            StringGrid plain(5, fileRows);
            writeTasks(plain, 2);
            plain.setCell(1, fileRows - 1, "letzte Zeile");
            QVERIFY(writeScrambledFile(f.file(u"t.test"_s), plain, nullptr));
            f.platform.script().files = {f.file(u"t.test"_s)};
            f.form2().Button3Click();
        } else {
            writeTasks(f.form2().StringGrid1, 2);
        }
        f.platform.script().files = {f.file(u"neu.test"_s)};
        f.form2().Button5Click();
        const int rows = fileRows > 0 ? fileRows : 1201;
        const StringGrid saved = readScrambledFile(f.file(u"neu.test"_s));
        QCOMPARE(saved.rowCount(), rows);
        QCOMPARE(saved.cell(1, 7), QByteArray("Aufgabe 2: Frage 2"));
        if (fileRows > 0)
            QCOMPARE(saved.cell(1, fileRows - 1), QByteArray("letzte Zeile"));
    }

    void taskCountAfterOpening_data() {
        QTest::addColumn<bool>("endMark");
        QTest::addColumn<int>("count");
        QTest::newRow("end marker in (1, 19)") << true << 3;
        QTest::newRow("without the end marker") << false << 2;
    }
    void taskCountAfterOpening() {
        QFETCH(bool, endMark);
        QFETCH(int, count);
        FileFixture f;
        StringGrid plain(5, 1201);
        writeTasks(plain, 3, endMark);
        QVERIFY(writeScrambledFile(f.file(u"t.test"_s), plain, nullptr));
        f.platform.script().files = {f.file(u"t.test"_s)};
        f.form2().Button3Click();
        f.form2().Button11Click();
        QCOMPARE(f.form2().TaskCount, count);
    }

    // The student program comes from the working folder and never replaces one already there.
    void openProvidesTheStudentModule_data() {
        QTest::addColumn<bool>("inWorkingFolder");
        QTest::addColumn<bool>("inProjectFolder");
        QTest::addColumn<QByteArray>("expected"); // empty: none in the folder
        QTest::addColumn<bool>("told");
        QTest::newRow("copied") << true << false << QByteArray("schueler") << false;
        QTest::newRow("kept") << true << true << QByteArray("alt") << false;
        QTest::newRow("nowhere") << false << false << QByteArray() << true;
        QTest::newRow("only in the folder") << false << true << QByteArray("alt") << false;
    }
    void openProvidesTheStudentModule() {
        QFETCH(bool, inWorkingFolder);
        QFETCH(bool, inProjectFolder);
        QFETCH(QByteArray, expected);
        QFETCH(bool, told);
        QVERIFY2(!QFileInfo::exists(QCoreApplication::applicationDirPath() + u"/Dozove_voro.exe"_s),
                 "a student program beside the test program spoils this test");
        FileFixture f;
        const QString working = f.temp.path() + u"/arbeit"_s;
        QDir().mkpath(working);
        const QString current = QDir::currentPath();
        QDir::setCurrent(working);
        auto put = [](const QString& path, const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        if (inWorkingFolder) {
            put(working + u"/Dozove_voro.exe"_s, "schueler");
            QFile::setPermissions(working + u"/Dozove_voro.exe"_s,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        if (inProjectFolder)
            put(f.file(u"Dozove_voro.exe"_s), "alt");
        StringGrid plain(5, 1201);
        writeTasks(plain, 1);
        QVERIFY(writeScrambledFile(f.file(u"t.test"_s), plain, nullptr));
        f.platform.script().files = {f.file(u"t.test"_s)};
        f.form2().Button3Click();
        QDir::setCurrent(current);

        QCOMPARE(fileBytes(f.file(u"Dozove_voro.exe"_s)), expected);
        if (expected == "schueler")
            QVERIFY(QFileInfo(f.file(u"Dozove_voro.exe"_s)).isExecutable());
        QCOMPARE(f.platform.logged(u"message: "_s),
                 told ? QStringList{u"Ich kann das Schüler/-innenmodul Dozove_voro nicht finden. "
                                    u"Kopiere es bitte selbst in den Projektordner: "_s +
                                    f.folder}
                      : QStringList());
        QVERIFY(f.form2().testOpened());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_FileCommands.moc"
