#include "ProgramFixture.h"
#include "TestFiles.h"
#include "authoring/StringGrid.h"
#include "evaluation/TForm3.h"
#include "files/Cp1252.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"
#include "files/TForm2.h"
#include "platform/LinuxShell.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// A task as the student module leaves it: per answer two letters, the student's tick and the
// solution ("w" wahr, "f" falsch), e.g. "ww fw ff". An answer written "-" has no text.
void writeTask(StringGrid& table, int task, const QString& answers) {
    const int r = 6 * (task - 1) + 1;
    table.setCell(1, r, "Aufgabe " + QByteArray::number(task) + ": Frage");
    const QStringList pairs = answers.split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < 5; ++i) {
        const int row = r + 1 + i;
        table.setCell(2, row, "falsch");
        table.setCell(3, row, "falsch");
        if (i >= pairs.size())
            continue;
        const QString pair = pairs.at(i);
        if (pair != u"-"_s) {
            table.setCell(1, row, "Antwort " + QByteArray::number(i + 1));
            table.setCell(2, row, pair.at(0) == u'w' ? "wahr" : "falsch");
            table.setCell(3, row, pair.at(1) == u'w' ? "wahr" : "falsch");
        }
    }
}

StringGrid answerTable(const QStringList& tasks, bool singleChoice = false, int rows = 1201) {
    StringGrid table(5, rows);
    if (singleChoice)
        table.setCell(4, 0, "Single");
    for (int k = 1; k <= tasks.size(); ++k)
        writeTask(table, k, tasks.at(k - 1));
    table.setCell(1, 6 * tasks.size() + 1, "Testende!");
    return table;
}

// Scrambled and written the way the student module writes an answer file.
QString writeAnswerFile(const QString& folder, const QString& student, const StringGrid& plain) {
    const QString path = folder + u'/' + student + u".done"_s;
    QString error;
    if (!writeScrambledFile(path, plain, &error))
        qFatal("%s", qPrintable(error));
    return path;
}

QList<QByteArray> linesOf(const QString& path) {
    QList<QByteArray> lines = fileBytes(path).split('\n');
    for (QByteArray& line : lines)
        line.chop(line.endsWith('\r') ? 1 : 0);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The data rows of a result list: name, score and grade of each student.
QList<QStringList> resultRows(const QString& path) {
    QList<QStringList> rows;
    const QList<QByteArray> lines = linesOf(path);
    const QByteArray open = "<td width=\" 200\" height=\"24\"><div align=\"center\"><font "
                            "color=\"#80000008\" face=\"MS Sans Serif\">";
    for (const QByteArray& line : lines) {
        if (!line.startsWith(open))
            continue;
        const QByteArray text = line.mid(open.size(), line.indexOf("</font>") - open.size());
        if (rows.isEmpty() || rows.last().size() == 3)
            rows << QStringList();
        // An empty cell is written as a single blank.
        rows.last() << (text == " " ? QString() : Cp1252::toUnicode(text));
    }
    return rows;
}

// The grade key lines at the end of a result list, after the last data row.
QList<QByteArray> keyLines(const QString& path) {
    const QList<QByteArray> lines = linesOf(path);
    // The key ends before the last "  </tr>" of the document.
    const qsizetype last = lines.lastIndexOf("  </tr>");
    qsizetype firstKey = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith("<tr>  <td>")) {
            firstKey = i;
            break;
        }
    }
    return lines.mid(firstKey, last - firstKey);
}

// A radio button takes a click on its circle or its caption, not on the blank beyond.
void choose(TForm3& dialog, const QString& radio) {
    auto* button = dialog.findChild<QRadioButton*>(radio);
    QVERIFY2(button && button->isVisible(), qPrintable(radio));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

struct Evaluation : ProgramFixture {
    Evaluation() {
        QDir().mkpath(klasse());
        start().showMainWindow();
        press(&form1(), "Button10");
    }

    QString klasse() const { return temp.path() + u"/klasse"_s; }
    QString folder(int n) const { return klasse() + u"/Auswertung %1 vom 11.12.2026"_s.arg(n); }
    TForm2& form2() const { return *program->forms().Form2; }
    TForm3& form3() const { return *program->forms().Form3; }

    // "Laden und Auswerten", then "weiter" with the files chosen.
    void run(const QStringList& files) {
        platform.script().fileSelections << files;
        press(&form1(), "Button7");
        press(&form3(), "Button1");
    }
};

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void threeFiles() {
        Evaluation f;
        StringGrid anna = answerTable({u"ww ff ff"_s, u"wf ff ww"_s});
        // Student text is untrusted and must reach the page as text.
        anna.setCell(1, 4, "<script>alert(1)</script>");
        const QStringList files = {
            writeAnswerFile(f.klasse(), u"Anna"_s, anna),
            writeAnswerFile(f.klasse(), u"Ben"_s, answerTable({u"ww ff ff"_s, u"ff ff ww"_s})),
            writeAnswerFile(f.klasse(), u"Carla Jörns"_s,
                            answerTable({u"fw wf wf"_s, u"ff ff ww"_s}))};
        f.form1().ChangesSaved = 0;
        QSignalSpy closed(&f.form1(), &TForm1::closed);
        // The panel is painted as it appears and the bar at every file, although the loop lets
        // no event through.
        struct PaintSpy : QObject {
            QProgressBar* bar = nullptr;
            QList<int> barValues;
            int panelPaints = 0;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() != QEvent::Paint)
                    return false;
                if (watched != bar)
                    ++panelPaints;
                else if (barValues.isEmpty() || barValues.last() != bar->value())
                    barValues << bar->value();
                return false;
            }
        } spy;
        spy.bar = f.form1().ProgressBar1;
        QTest::qWait(50);
        f.form1().ProgressBar1->installEventFilter(&spy);
        f.form1().Label9->installEventFilter(&spy);
        f.run(files);
        f.form1().ProgressBar1->removeEventFilter(&spy);
        f.form1().Label9->removeEventFilter(&spy);

        QCOMPARE(spy.barValues, (QList<int>{5, 10, 15}));
        QCOMPARE(spy.panelPaints, 1);
        QCOMPARE(f.platform.script().fileDialogs.size(), 1);
        const FileDialogSpec spec = f.platform.script().fileDialogs.first();
        QCOMPARE(spec.title, u"Wähle alle Testdateien auf einmal!"_s);
        QCOMPARE(spec.filter, u".done| *.done"_s);
        QCOMPARE(spec.defaultExtension, u".done"_s);
        QCOMPARE(spec.folder, f.projects());

        const QString folder = f.folder(1);
        QCOMPARE(f.form2().EvaluationFolder, folder);
        QCOMPARE(f.form2().WorkFolder, folder);
        for (const QString& name : {u"Anna"_s, u"Ben"_s, u"Carla Jörns"_s}) {
            QVERIFY(!QFileInfo::exists(f.klasse() + u'/' + name + u".done"_s));
            QVERIFY(QFileInfo::exists(folder + u'/' + name + u".done"_s));
            QVERIFY2(QFileInfo::exists(folder + u"/feedback_"_s + name + u".html"_s),
                     qPrintable(name));
        }
        const QString list = folder + u"/Ergebnisliste.html"_s;
        QCOMPARE(
            resultRows(list),
            (QList<QStringList>{{u"Anna"_s, u"5 von 6 Pkt.  => 83,33%"_s, u" Ü  3"_s},
                                {u"Ben"_s, u"6 von 6 Pkt.  => 100,00%"_s, u"  Ü  1"_s},
                                {u"Carla Jörns"_s, u"3 von 6 Pkt.  => 50,00%"_s, u"  Ü 6"_s}}));
        QVERIFY(!QFileInfo::exists(folder + u"/Ergebnisliste.doc"_s));

        const QByteArray page = fileBytes(folder + u"/feedback_Anna.html"_s);
        QVERIFY(page.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(!page.contains("<script>"));
        QVERIFY(page.contains(" Anna hat 5 von 6 Punkten ==> 83,33%."));

        QVERIFY(f.form1().Panel2->isHidden());
        QCOMPARE(f.form1().ProgressBar1->value(), 0);
        QVERIFY(!f.form1().isVisible());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.form1().ChangesSaved, 1);
        QCOMPARE(f.form1().ResultListRow, 0);
        QCOMPARE(f.form2().StringGrid3.cell(0, 0), QByteArray());
        QCOMPARE(f.form2().StringGrid3.cell(1, 2), QByteArray());
        QVERIFY(!f.form1().CheckBox15->isChecked());
        QCOMPARE(
            f.platform.log.mid(1),
            (QStringList{u"shell has application: .doc"_s,
                         u"question: Auswertung erfolgt! Soll ich den Ordner öffnen? -> Nein"_s}));
    }

    // One file through the whole road: its score text, its grade and the page's wording.
    void oneFile_data() {
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<bool>("singleChoice");
        QTest::addColumn<QString>("score");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QByteArray>("pageScore");
        QTest::newRow("two of three")
            << QStringList{u"wf ww ff"_s} << false << u"2 von 3 Pkt.  => 66,67%"_s << u" Ü  4"_s
            << QByteArray(" hat 2 von 3 Punkten ==> 66,67%.");
        QTest::newRow("more errors than matches")
            << QStringList{u"fw ww wf"_s, u"ww"_s} << false << u"1 von 4 Pkt.  => 25,00%"_s
            << u" Ü 7"_s << QByteArray(" hat 1 von 4 Punkten ==> 25,00%.");
        QTest::newRow("single choice")
            << QStringList{u"ww ff"_s, u"wf fw"_s} << true << u"1 von 2 Aufgaben => 50,00%"_s
            << u"  Ü 6"_s << QByteArray(" hat 1 von 2 Aufgaben richtig. ==> 50,00%.");
        // Nothing to count: a clear text instead of a division by zero, and no grade.
        QTest::newRow("no countable answer")
            << QStringList{u"- -"_s} << false << u"0 von 0 Pkt.  => keine wertbaren Antworten"_s
            << QString() << QByteArray(" hat 0 von 0 Punkten ==> keine wertbaren Antworten.");
    }
    void oneFile() {
        QFETCH(QStringList, tasks);
        QFETCH(bool, singleChoice);
        QFETCH(QString, score);
        QFETCH(QString, grade);
        QFETCH(QByteArray, pageScore);
        Evaluation f;
        f.run({writeAnswerFile(f.klasse(), u"Dora"_s, answerTable(tasks, singleChoice))});
        QCOMPARE(resultRows(f.folder(1) + u"/Ergebnisliste.html"_s),
                 (QList<QStringList>{{u"Dora"_s, score, grade}}));
        QVERIFY(fileBytes(f.folder(1) + u"/feedback_Dora.html"_s).contains(pageScore));
        QCOMPARE(f.form1().CheckBox15->isChecked(), singleChoice);
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
    }

    void gradeKeyOfTheResultList_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("keyLineCount");
        QTest::addColumn<QByteArray>("lastKeyLine");
        QTest::newRow("six grades")
            << u"RadioButton1"_s << u"   2"_s << 6 << QByteArray("  <td>   6 unter 19 %</td></tr>");
        QTest::newRow("seven grades")
            << u"RadioButton7"_s << u" Ü 3"_s << 7 << QByteArray("  <tr> <td> Ü 7 unter 26 %</td>");
        QTest::newRow("eight grades") << u"RadioButton6"_s << u" Ü 3"_s << 8
                                      << QByteArray("  <td> unter 17 %:  Ü 8 </td></tr>");
        QTest::newRow("Sek. II") << u"RadioButton9"_s << u"11 Pkt."_s << 16
                                 << QByteArray("  <tr> <td>0 Pkt unter 19 %</td>");
    }
    void gradeKeyOfTheResultList() {
        QFETCH(QString, radio);
        QFETCH(QString, grade);
        QFETCH(int, keyLineCount);
        QFETCH(QByteArray, lastKeyLine);
        Evaluation f;
        // 7 of 9: 77,78 %.
        const QString file = writeAnswerFile(
            f.klasse(), u"Emil"_s, answerTable({u"ww ff fw"_s, u"ww ff ff"_s, u"ww wf ff"_s}));
        f.platform.script().fileSelections << QStringList{file};
        f.press(&f.form1(), "Button7");
        choose(f.form3(), radio);
        f.press(&f.form3(), "Button1");
        const QString list = f.folder(1) + u"/Ergebnisliste.html"_s;
        QCOMPARE(resultRows(list),
                 (QList<QStringList>{{u"Emil"_s, u"7 von 9 Pkt.  => 77,78%"_s, grade}}));
        const QList<QByteArray> key = keyLines(list);
        QCOMPARE(key.size(), keyLineCount);
        QCOMPARE(key.last(), Cp1252::fromUnicode(QString::fromUtf8(lastKeyLine)));
    }

    void foldersAreNumberedAcrossRuns() {
        Evaluation f;
        for (int run = 1; run <= 5; ++run) {
            if (run > 1) {
                f.start().showMainWindow();
                f.press(&f.form1(), "Button10");
            }
            const QString file =
                writeAnswerFile(f.klasse(), u"Schüler %1"_s.arg(run), answerTable({u"ww"_s}));
            f.run({file});
            QVERIFY2(QFileInfo::exists(f.folder(run) + u"/Ergebnisliste.html"_s),
                     qPrintable(f.folder(run)));
            QCOMPARE(resultRows(f.folder(run) + u"/Ergebnisliste.html"_s).size(), 1);
        }
        // No run wrote into an earlier run's folder.
        QVERIFY(!QFileInfo::exists(f.folder(4) + u"/feedback_Schüler 5.html"_s));
        QVERIFY(!QFileInfo::exists(f.folder(6)));
    }

    void feedbackOff() {
        Evaluation f;
        const QStringList files = {writeAnswerFile(f.klasse(), u"Anna"_s, answerTable({u"ww"_s})),
                                   writeAnswerFile(f.klasse(), u"Ben"_s, answerTable({u"wf"_s})),
                                   writeAnswerFile(f.klasse(), u"Carla"_s, answerTable({u"ff"_s}))};
        f.form1().CheckBox11->setChecked(false);
        QStringList progress;
        f.platform.script().onBox = [&](const QString& text) {
            if (text == u"kann Datei nicht erstellen"_s)
                progress << u"%1 %2/%3"_s.arg(int(f.form1().Panel2->isVisible()))
                                .arg(f.form1().ProgressBar1->value())
                                .arg(f.form1().ProgressBar1->maximum());
        };
        f.run(files);
        QCOMPARE(f.platform.logged(u"message: "_s),
                 QStringList(3, u"kann Datei nicht erstellen"_s));
        QCOMPARE(progress, (QStringList{u"1 5/15"_s, u"1 10/15"_s, u"1 15/15"_s}));
        const QStringList written = QDir(f.folder(1)).entryList(QDir::Files, QDir::Name);
        QCOMPARE(written, (QStringList{u"Anna.done"_s, u"Ben.done"_s, u"Carla.done"_s,
                                       u"Ergebnisliste.html"_s}));
        QCOMPARE(resultRows(f.folder(1) + u"/Ergebnisliste.html"_s).size(), 3);
        QVERIFY(f.form1().Panel2->isHidden());
    }

    void alreadyEvaluated_data() {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("only html, Ja")
            << QStringList{u"Ergebnisliste.html"_s} << QList<bool>{true} << 1 << true;
        QTest::newRow("only doc, Nein")
            << QStringList{u"Ergebnisliste.doc"_s} << QList<bool>{false} << 1 << false;
        QTest::newRow("both, Ja Ja") << QStringList{u"Ergebnisliste.doc"_s, u"Ergebnisliste.html"_s}
                                     << QList<bool>{true, true} << 2 << true;
        QTest::newRow("both, Ja Nein")
            << QStringList{u"Ergebnisliste.doc"_s, u"Ergebnisliste.html"_s}
            << QList<bool>{true, false} << 2 << false;
        QTest::newRow("none") << QStringList() << QList<bool>() << 0 << true;
    }
    void alreadyEvaluated() {
        QFETCH(QStringList, lists);
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(bool, goesOn);
        Evaluation f;
        for (const QString& list : lists) {
            QFile file(f.klasse() + u'/' + list);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString file = writeAnswerFile(f.klasse(), u"Anna"_s, answerTable({u"ww"_s}));
        f.platform.script().answers = answers;
        f.run({file});
        const QString asked = u"question: Diese Dateien scheinen schon mal ausgewertet zu sein.\n"
                              u"Wenn ich weitermache entstehen verschachtelte Ordner -> "_s;
        int count = 0;
        for (const QString& line : f.platform.log)
            count += line.startsWith(asked) ? 1 : 0;
        QCOMPARE(count, questions);
        QCOMPARE(QFileInfo::exists(f.folder(1)), goesOn);
        QCOMPARE(QFileInfo::exists(file), !goesOn);
        QCOMPARE(f.form1().isVisible(), !goesOn);
    }

    void damagedFilesInTheBatch() {
        Evaluation f;
        const QString anna = writeAnswerFile(f.klasse(), u"Anna"_s, answerTable({u"ww"_s}));
        const QString broken = f.klasse() + u"/Kaputt.done"_s;
        {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keine Zahl\r\n");
        }
        // Readable, but the student module never finished it.
        StringGrid unfinished = answerTable({u"ww"_s});
        unfinished.setCell(1, 7, QByteArray());
        const QString noEnd = writeAnswerFile(f.klasse(), u"Ohne Ende"_s, unfinished);
        const QString missing = f.klasse() + u"/Weg.done"_s;
        const QString carla = writeAnswerFile(f.klasse(), u"Carla"_s, answerTable({u"wf"_s}));
        f.run({anna, broken, noEnd, missing, carla});

        QCOMPARE(resultRows(f.folder(1) + u"/Ergebnisliste.html"_s),
                 (QList<QStringList>{{u"Anna"_s, u"1 von 1 Pkt.  => 100,00%"_s, u"  Ü  1"_s},
                                     {u"Carla"_s, u"0 von 1 Pkt.  => 0,00%"_s, u" Ü 8"_s}}));
        QVERIFY(QFileInfo::exists(broken));
        QVERIFY(QFileInfo::exists(noEnd));
        for (const QString& name : {u"Kaputt"_s, u"Ohne Ende"_s, u"Weg"_s}) {
            QVERIFY(!QFileInfo::exists(f.folder(1) + u'/' + name + u".done"_s));
            QVERIFY(!QFileInfo::exists(f.folder(1) + u"/feedback_"_s + name + u".html"_s));
        }
        QVERIFY(QFileInfo::exists(f.folder(1) + u"/feedback_Carla.html"_s));
        const QStringList messages = f.platform.logged(u"message: "_s);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith(u"Diese Dateien wurden nicht ausgewertet"_s));
        QVERIFY(messages.first().contains(broken));
        QVERIFY(messages.first().contains(noEnd));
        QVERIFY(messages.first().contains(missing));
        QVERIFY(!messages.first().contains(anna));
        // Told before the program ends.
        QVERIFY(f.platform.log.indexOf(u"message: "_s + messages.first()) <
                f.platform.log.indexOf(u"shell has application: .doc"_s));
    }

    void badThresholdStopsBeforeAnythingIsTouched_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("emptied") << QString() << u"Edit2"_s << QString() << u"2"_s;
        QTest::newRow("letters") << u"RadioButton1"_s << u"Edit5"_s << u"19a"_s << u"5"_s;
        QTest::newRow("second row of Sek. II")
            << u"RadioButton9"_s << u"Edit12"_s << u"vierzig"_s << u"12"_s;
    }
    void badThresholdStopsBeforeAnythingIsTouched() {
        QFETCH(QString, radio);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, field);
        Evaluation f;
        const QString file = writeAnswerFile(f.klasse(), u"Anna"_s, answerTable({u"ww"_s}));
        f.platform.script().fileSelections << QStringList{file};
        f.press(&f.form1(), "Button7");
        if (!radio.isEmpty())
            choose(f.form3(), radio);
        f.form3().findChild<QLineEdit*>(edit)->setText(text);
        f.press(&f.form3(), "Button1");

        const QStringList messages = f.platform.logged(u"message: "_s);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(field), qPrintable(messages.first()));
        QVERIFY(f.platform.logged(u"open files: "_s).isEmpty());
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(QDir(f.klasse()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        // The teacher can correct the key right away.
        QVERIFY(f.form3().isVisible());
        QVERIFY(f.form1().isVisible());
        f.form3().findChild<QLineEdit*>(edit)->setText(u"3"_s);
        f.press(&f.form3(), "Button1");
        QVERIFY(QFileInfo::exists(f.folder(1) + u"/Anna.done"_s));
    }

    void thresholdsTheLookupDoesNotReadMayBeAnything() {
        Evaluation f;
        const QString file = writeAnswerFile(f.klasse(), u"Anna"_s, answerTable({u"ww"_s}));
        f.platform.script().fileSelections << QStringList{file};
        f.press(&f.form1(), "Button7");
        choose(f.form3(), u"RadioButton1"_s);
        f.form3().Edit8->setText(u"egal"_s);
        f.press(&f.form3(), "Button1");
        QVERIFY(f.platform.logged(u"message: "_s).isEmpty());
        QCOMPARE(resultRows(f.folder(1) + u"/Ergebnisliste.html"_s).first().last(), u"   1"_s);
    }

    void moreThanAThousandFiles() {
        Evaluation f;
        QStringList files;
        for (int i = 1; i <= 1001; ++i)
            files << writeAnswerFile(f.klasse(), u"S%1"_s.arg(i, 4, 10, QChar(u'0')),
                                     answerTable({u"ww fw"_s}, false, 13));
        f.form1().CheckBox11->setChecked(false);
        f.run(files);
        const QList<QStringList> rows = resultRows(f.folder(1) + u"/Ergebnisliste.html"_s);
        QCOMPARE(rows.size(), 1001);
        QCOMPARE(rows.last(), (QStringList{u"S1001"_s, u"1 von 2 Pkt.  => 50,00%"_s, u"  Ü 6"_s}));
    }

    void resultListCommand_data() {
        QTest::addColumn<bool>("wordProcessor");
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("shellSucceeds");
        QTest::addColumn<bool>("explore");
        QTest::newRow("html, nothing asked") << false << false << false << true << false;
        QTest::newRow("doc, print and open") << true << true << true << true << true;
        QTest::newRow("opening fails") << false << false << true << false << false;
        QTest::newRow("printing fails quietly") << true << true << false << false << true;
    }
    void resultListCommand() {
        QFETCH(bool, wordProcessor);
        QFETCH(bool, print);
        QFETCH(bool, open);
        QFETCH(bool, shellSucceeds);
        QFETCH(bool, explore);
        Evaluation f;
        const QString folder = f.folder(1);
        QDir().mkpath(folder);
        f.form2().EvaluationFolder = folder;
        f.form2().StringGrid3.setCell(0, 0, "Anna");
        f.form2().StringGrid3.setCell(1, 0, "1 von 1 Pkt.  => 100,00%");
        f.form2().StringGrid3.setCell(2, 0, "  \xDC  1");
        f.form1().ResultListRow = 1;
        f.form1().ChangesSaved = 0;
        f.form1().CheckBox12->setChecked(print);
        f.form1().CheckBox13->setChecked(open);
        f.platform.recordingShell().wordProcessor = wordProcessor;
        f.platform.recordingShell().succeeds = shellSucceeds;
        f.platform.script().answers = {explore};
        QSignalSpy closed(&f.form1(), &TForm1::closed);
        bool hiddenWhenAsked = false;
        f.platform.script().onBox = [&](const QString& text) {
            if (text.startsWith(u"Auswertung erfolgt!"_s))
                hiddenWhenAsked = !f.form1().isVisible();
        };

        f.form1().Button2Click();

        const QString path =
            folder + (wordProcessor ? u"/Ergebnisliste.doc"_s : u"/Ergebnisliste.html"_s);
        QCOMPARE(resultRows(path),
                 (QList<QStringList>{{u"Anna"_s, u"1 von 1 Pkt.  => 100,00%"_s, u"  Ü  1"_s}}));
        QStringList expected = {
            u"message: Wer *.doc benutzt, kann die Datei weiter bearbeiten, ansonsten lässt sich "
            u"auch *html wählen"_s,
            u"shell has application: .doc"_s};
        if (print)
            expected << u"shell print: "_s + path;
        if (open)
            expected << u"shell open: "_s + path;
        if (open && !shellSucceeds)
            expected << u"message: Es ist ein Fehler aufgetreten, speichere als *.html"_s;
        expected << u"question: Auswertung erfolgt! Soll ich den Ordner öffnen? -> "_s +
                        (explore ? u"Ja"_s : u"Nein"_s);
        if (explore)
            expected << u"shell explore: "_s + folder + u" | "_s;
        QCOMPARE(f.platform.log, expected);
        QVERIFY(hiddenWhenAsked);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(f.form1().ChangesSaved, 1);
        QCOMPARE(f.form1().ResultListRow, 0);
        QCOMPARE(f.form2().StringGrid3.cell(0, 0), QByteArray());
        QCOMPARE(f.form2().StringGrid3.cell(2, 0), QByteArray());
    }

    // Whether the list is called ".doc": the desktop's answer for Word documents.
    void wordProcessorOnTheDesktop_data() {
        QTest::addColumn<QByteArray>("xdgMime");
        QTest::addColumn<QByteArray>("mimeApps");
        QTest::addColumn<bool>("registered");
        QTest::newRow("xdg-mime names one")
            << QByteArray("[ \"$3\" = application/msword ] && echo writer.desktop\n")
            << QByteArray() << true;
        QTest::newRow("xdg-mime knows none") << QByteArray("exit 0\n") << QByteArray() << false;
        QTest::newRow("no xdg-mime, a default in mimeapps.list")
            << QByteArray()
            << QByteArray("[Default Applications]\napplication/msword=writer.desktop\n") << true;
        QTest::newRow("no xdg-mime, an added association")
            << QByteArray()
            << QByteArray(
                   "[Added Associations]\ntext/plain=vim.desktop;\napplication/msword=a.desktop;\n")
            << true;
    }
    void wordProcessorOnTheDesktop() {
        QFETCH(QByteArray, xdgMime);
        QFETCH(QByteArray, mimeApps);
        QFETCH(bool, registered);
        QTemporaryDir temp;
        QDir().mkpath(temp.path() + u"/bin"_s);
        QDir().mkpath(temp.path() + u"/config"_s);
        if (!xdgMime.isEmpty()) {
            QFile script(temp.path() + u"/bin/xdg-mime"_s);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n" + xdgMime);
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        if (!mimeApps.isEmpty()) {
            QFile list(temp.path() + u"/config/mimeapps.list"_s);
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write(mimeApps);
        }
        const QByteArray path = qgetenv("PATH");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qputenv("PATH", QFile::encodeName(temp.path() + u"/bin"_s));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.path() + u"/config"_s));
        const bool answer = LinuxShell().hasApplicationFor(u".doc"_s);
        qputenv("PATH", path);
        if (config.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(answer, registered);
    }

    void resultListWithoutAnEvaluation() {
        // Nothing was evaluated in this run: the empty list goes into the working folder.
        Evaluation f;
        f.platform.script().answers = {false};
        f.form1().Button2Click();
        const QString path = f.projects() + u"/Ergebnisliste.html"_s;
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(resultRows(path).size(), 0);
        QVERIFY(!f.form1().isVisible());
    }
};

QTEST_MAIN(TestEvaluation)
#include "tst_Evaluation.moc"
