#include "authoring/StringGrid.h"
#include "evaluation/FeedbackPage.h"
#include "evaluation/GradeKey.h"
#include "evaluation/HtmlTable.h"
#include "evaluation/ResultList.h"
#include "files/Cp1252.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(GradeKeyFields)

namespace {

QByteArray cp(const QString& text) {
    return Cp1252::fromUnicode(text);
}

// One task as the student module leaves it, with the end marker after it.
// Row 2 matches, row 3 is ticked against the solution and carries crafted text, rows 4 to 6
// have no text.
StringGrid oneTaskTable() {
    StringGrid table(5, 1201);
    table.setCell(1, 1, cp(u"Aufgabe 1: Wähle die größere Zahl"_s));
    table.setCell(1, 2, cp(u"grün"_s));
    table.setCell(2, 2, "wahr");
    table.setCell(3, 2, "wahr");
    table.setCell(1, 3, "<script>alert(1)</script> & Co");
    table.setCell(2, 3, "wahr");
    table.setCell(3, 3, "falsch");
    for (int row = 4; row <= 6; ++row) {
        table.setCell(2, row, "falsch");
        table.setCell(3, row, "falsch");
    }
    table.setCell(1, 7, "Testende!");
    return table;
}

FeedbackInfo oneTaskInfo() {
    FeedbackInfo info;
    info.studentName = u"Jörg & <script>"_s;
    info.points = 1;
    info.maximum = 2;
    info.percent = 500000;
    info.singleChoice = false;
    info.gradeText = u" Ü 5"_s;
    return info;
}

// Lines of a document that must end every line, the last one too, with CR LF.
QByteArrayList linesOf(const QByteArray& document) {
    if (!document.endsWith("\r\n"))
        return {QByteArray("(no CR LF at the end)")};
    QByteArrayList lines = document.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r') || line.count('\r') != 1)
            return {QByteArray("(a line without CR LF: ") + line + ')'};
        line.chop(1);
    }
    return lines;
}

void compareLines(const QByteArrayList& actual, const QByteArrayList& expected) {
    for (int i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (actual.at(i) != expected.at(i)) {
            QFAIL(qPrintable(u"line %1:\n   actual: %2\n expected: %3"_s.arg(i).arg(
                Cp1252::toUnicode(actual.at(i)), Cp1252::toUnicode(expected.at(i)))));
        }
    }
    QCOMPARE(actual.size(), expected.size());
}

QByteArray feedbackCell(int width, const QByteArray& text) {
    return "<td width=\"" + QByteArray::number(width) +
           "\" height=\"24\"><div align=\"left\"><font color=\"#80000008\" face=\"MS Sans "
           "Serif\">" +
           text + "</font></div></td>";
}

QByteArrayList feedbackRow(const QByteArray& c1, const QByteArray& c2, const QByteArray& c3) {
    return {"  <tr>", feedbackCell(347, c1), feedbackCell(73, c2), feedbackCell(66, c3), "  </tr>"};
}

const QByteArray kTable673 =
    " <table border= 1 style= border-collapse:collapse;border:none;mso-border-alt:solid "
    "windowtext .5pt;mso-yfti-tbllook:480;mso-padding-alt:0cm 5.4pt 0cm "
    "5.4pt;mso-border-insideh:.5pt solid windowtext;mso-border-insidev:.5pt solid "
    "windowtext\"1\" width=98%\"673\" height=\"673\">";

// The part of a result list after its data rows.
QByteArrayList keyLinesOf(const QByteArray& document) {
    QByteArrayList lines = linesOf(document);
    while (!lines.isEmpty() && !lines.first().startsWith("<tr>  <td>"))
        lines.removeFirst();
    return lines;
}

StringGrid resultTable() {
    StringGrid table(3, 1000, 0);
    const QByteArrayList rows[] = {
        {"Anna", "2 von 3 Pkt.  => 66,67%", cp(u" Ü 3"_s)},
        {"Bernd <b>&", "3 von 3 Pkt.  => 100,00%", cp(u" Ü 1"_s)},
        {cp(u"Jörg"_s), "", ""},
        {cp(u"Çelik"_s), "0 von 3 Pkt.  => 0,00%", cp(u" Ü 8"_s)},
        // A name alone at the end is not a result.
        {"Rest", "", ""},
    };
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 3; ++col)
            table.setCell(col, row, rows[row].at(col));
    }
    return table;
}

GradeKeyFields scaleKey(const QString& caption) {
    for (const GradeScale& scale : gradeScales()) {
        if (QStringView(scale.caption) == caption)
            return gradeKeyFieldsFor(scale);
    }
    qFatal("no scale %s", qPrintable(caption));
    return {};
}

} // namespace

class tst_EvaluationDocuments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void feedbackPageWhole();
    void feedbackPageModes_data();
    void feedbackPageModes();
    void feedbackPageCut_data();
    void feedbackPageCut();
    void resultListWhole();
    void resultListEmptyTable();
    void resultListGradeKey_data();
    void resultListGradeKey();
};

void tst_EvaluationDocuments::feedbackPageWhole() {
    const StringGrid table = oneTaskTable();
    const QByteArray page = feedbackPage(table, oneTaskInfo());

    QByteArrayList expected = {
        "<html>",
        "<body>",
        kTable673,
        "  <tr>",
        "<td width=80% height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS Sans "
        "Serif\"><b> Wenn die \"Deine Wahl\"-Spalte und die \"Richtig\"-Spalte nicht gleich "
        "sind, gibt es einen Fehlerpunkt! </b></font></div></td> ",
        "<td width=10% height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS Sans "
        "Serif\"><b> Deine Wahl: </b></font></div></td> ",
        "<td width=10% height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS Sans "
        "Serif\"><b>Richtig:</b></font></div></td>",
        "  </tr>",
    };
    expected << feedbackRow(" ", " ", " ");
    expected << feedbackRow(cp(u"Aufgabe 1: Wähle die größere Zahl"_s), " ", " ");
    expected << feedbackRow(cp(u"grün"_s), "wahr", "wahr");
    expected << feedbackRow("<b>&lt;script&gt;alert(1)&lt;/script&gt; &amp; Co</b>", "<b>wahr</b>",
                            "<b>falsch</b>");
    for (int row = 4; row <= 6; ++row)
        expected << feedbackRow(" ", "falsch", "falsch");
    expected << feedbackRow("Testende!", " ", " ");
    expected << "<td width=\"400\" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
                "face=\"MS Sans Serif\"><b> J\xf6rg &amp; &lt;script&gt; hat 1 von 2 Punkten ==> "
                "50,00%.</b></font></div></td> "
             << "<td width=\"80\" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
                "face=\"MS Sans Serif\"><b> Note: </b></font></div></td> "
             << "<td width=\"80\" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
                "face=\"MS Sans Serif\"><b> \xdc 5   </b></font></div></td> "
             << "  </table>"
             << "</body>"
             << "</html>";
    compareLines(linesOf(page), expected);
    if (QTest::currentTestFailed())
        return;

    // Windows-1252 bytes, no UTF-8 and no character set named.
    QVERIFY(page.contains("W\xe4hle die gr\xf6\xdf"));
    QVERIFY(!page.contains("\xc3"));
    QVERIFY(!page.contains("charset"));
    // The caller's table is left as it was.
    QCOMPARE(table.rowCount(), 1201);
}

void tst_EvaluationDocuments::feedbackPageModes_data() {
    QTest::addColumn<bool>("single");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("percent"); // -1: none
    QTest::addColumn<QByteArray>("heading");
    QTest::addColumn<QByteArray>("score");

    const QByteArray mcHeading =
        "<td width=80% height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS Sans "
        "Serif\"><b> Wenn die \"Deine Wahl\"-Spalte und die \"Richtig\"-Spalte nicht gleich "
        "sind, gibt es einen Fehlerpunkt! </b></font></div></td> ";
    const QByteArray scHeading =
        "<td width=80% height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS Sans "
        "Serif\"><b> Jede richtig beantwortete Aufgabe ergibt einen Punkt. </b></font></div></td> ";
    const QByteArray scorePrefix = "<td width=\"400\" height=\"20\"><div align=\"center\"><font "
                                   "color=\"#000000\" face=\"MS Sans Serif\"><b> Anna hat ";
    const QByteArray scoreSuffix = "</b></font></div></td> ";

    QTest::newRow("multiple choice") << false << 2 << 3 << qint64(666667) << mcHeading
                                     << scorePrefix + "2 von 3 Punkten ==> 66,67%." + scoreSuffix;
    QTest::newRow("single choice")
        << true << 7 << 10 << qint64(700000) << scHeading
        << scorePrefix + "7 von 10 Aufgaben richtig. ==> 70,00%." + scoreSuffix;
    QTest::newRow("nothing to score")
        << false << 0 << 0 << qint64(-1) << mcHeading
        << scorePrefix + "0 von 0 Punkten ==> keine wertbaren Antworten." + scoreSuffix;
}

void tst_EvaluationDocuments::feedbackPageModes() {
    QFETCH(bool, single);
    QFETCH(int, points);
    QFETCH(int, maximum);
    QFETCH(qint64, percent);
    QFETCH(QByteArray, heading);
    QFETCH(QByteArray, score);

    FeedbackInfo info;
    info.studentName = u"Anna"_s;
    info.points = points;
    info.maximum = maximum;
    if (percent >= 0)
        info.percent = percent;
    info.singleChoice = single;
    info.gradeText = u"   2"_s;
    StringGrid table = oneTaskTable();
    if (single)
        table.setCell(4, 0, "Single");

    const QByteArrayList lines = linesOf(feedbackPage(table, info));
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines.at(4), heading);
    QCOMPARE(lines.at(lines.size() - 6), score);
    QCOMPARE(lines.at(lines.size() - 4),
             QByteArray("<td width=\"80\" height=\"20\"><div align=\"center\"><font "
                        "color=\"#000000\" face=\"MS Sans Serif\"><b>   2   "
                        "</b></font></div></td> "));
}

void tst_EvaluationDocuments::feedbackPageCut_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lastRow");

    QTest::newRow("column 3 below the marker") << 3 << 9 << 9;
    QTest::newRow("column 2 below the marker") << 2 << 8 << 8;
    QTest::newRow("column 1 at row 1199") << 1 << 1199 << 1199;
    // Columns 0 and 4 do not keep a row, and nothing past row 1199 reaches the page.
    QTest::newRow("column 4 only") << 4 << 10 << 7;
    QTest::newRow("column 0 only") << 0 << 10 << 7;
    QTest::newRow("row 1200") << 1 << 1200 << 7;
    QTest::newRow("beyond the extent") << 1 << 1300 << 7;
}

void tst_EvaluationDocuments::feedbackPageCut() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, lastRow);

    StringGrid table = oneTaskTable();
    table.setCell(col, row, "x");
    const QByteArrayList lines = linesOf(feedbackPage(table, oneTaskInfo()));
    // 8 opening lines, 5 per row, 6 closing lines.
    QCOMPARE(lines.size(), 8 + 5 * (lastRow + 1) + 6);
    QCOMPARE(lines.at(8 + 5 * lastRow + 4), QByteArray("  </tr>"));
    QVERIFY(lines.at(8 + 5 * (lastRow + 1)).startsWith("<td width=\"400\""));
}

void tst_EvaluationDocuments::resultListWhole() {
    const QByteArray list =
        resultList(resultTable(), gradeKeyFieldsFor(initialGradeScale()), QDate(2024, 3, 5));

    auto cell = [](const QByteArray& text) {
        return "<td width=\" 200\" height=\"24\"><div align=\"center\"><font color=\"#80000008\" "
               "face=\"MS Sans Serif\">" +
               text + "</font></div></td>";
    };
    QByteArrayList expected = {
        "<html>",
        "<body>",
        " <table border= 1 style= border-collapse:collapse;border:none;mso-border-alt:solid "
        "windowtext .5pt;mso-yfti-tbllook:480;mso-padding-alt:0cm 5.4pt 0cm "
        "5.4pt;mso-border-insideh:.5pt solid windowtext;mso-border-insidev:.5pt solid "
        "windowtext\"1\" width=98%\"700\" height=\"700\">",
        "  <tr>",
        "<td width=\"220\" height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS "
        "Sans Serif\"><b>05.03.2024,  Name: </b></font></div></td> ",
        "<td width=\"100\" height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS "
        "Sans Serif\"><b>Ergebnis</b></font></div></td> ",
        "<td width=\"80\" height=\"20\"><div align=\"center\"><font color=\"#000000\" face=\"MS "
        "Sans Serif\"><b>Note</b></font></div></td>",
        "  </tr>",
        "  <tr>",
        cell("Anna"),
        cell("2 von 3 Pkt.  => 66,67%"),
        cell(" \xdc 3"),
        "  <tr>",
        cell("Bernd &lt;b&gt;&amp;"),
        cell("3 von 3 Pkt.  => 100,00%"),
        cell(" \xdc 1"),
        "  <tr>",
        cell("J\xf6rg"),
        cell(" "),
        cell(" "),
        "  <tr>",
        cell("\xc7"
             "elik"),
        cell("0 von 3 Pkt.  => 0,00%"),
        cell(" \xdc 8"),
        // The untouched dialog, with its own blanks.
        "<tr>  <td>  \xdc  1 ab 95 %</td>",
        "  <td> \xdc  2 ab 84 %</td>",
        "  <td> \xdc  3 ab 73 %</td></tr>",
        "  <tr> <td> \xdc  4 ab 62 %</td>",
        "  <td>  \xdc 5 ab 51 %</td>",
        "  <td>  \xdc 6 ab 34 %</td></tr>",
        "  <tr> <td> \xdc 7 ab 17 %</td>",
        "  <td> unter 17 %:  \xdc 8 </td></tr>",
        "  </tr>",
        "  </table>",
        "</body>",
        "</html>",
    };
    compareLines(linesOf(list), expected);
}

void tst_EvaluationDocuments::resultListEmptyTable() {
    // No run in this session: no data rows, the heading and the key only.
    const QByteArrayList lines =
        linesOf(resultList(StringGrid(3, 1000, 0), scaleKey(u"1 bis 6"_s), QDate(2024, 12, 24)));
    QCOMPARE(lines.size(), 8 + 6 + 4);
    QVERIFY(lines.at(4).contains("<b>24.12.2024,  Name: </b>"));
    QCOMPARE(lines.at(8), QByteArray("<tr>  <td>   1 ab 85 %</td>"));
}

void tst_EvaluationDocuments::resultListGradeKey_data() {
    QTest::addColumn<GradeKeyFields>("key");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("six grades") << scaleKey(u"1 bis 6"_s)
                                << QByteArrayList{"<tr>  <td>   1 ab 85 %</td>",
                                                  "  <td>   2 ab 70 %</td>",
                                                  "  <td>   3 ab 55 %</td></tr>",
                                                  "  <tr> <td>   4 ab 40 %</td>",
                                                  "  <td>   5 ab 19 %</td>",
                                                  "  <td>   6 unter 19 %</td></tr>"};
    QTest::newRow("seven grades") << scaleKey(u"Ü 1 - Ü 7,  MSA + AHR"_s)
                                  << QByteArrayList{"<tr>  <td> \xdc 1 ab 95 %</td>",
                                                    "  <td> \xdc 2 ab 84 %</td>",
                                                    "  <td> \xdc 3 ab 73 %</td></tr>",
                                                    "  <tr> <td> \xdc 4 ab 62 %</td>",
                                                    "  <td> \xdc 5 ab 51 %</td>",
                                                    "  <td> \xdc 6 ab 26 %</td></tr>",
                                                    "  <tr> <td> \xdc 7 unter 26 %</td>"};
    QTest::newRow("eight grades") << scaleKey(u"Ü 8"_s)
                                  << QByteArrayList{"<tr>  <td> \xdc 1 ab 95 %</td>",
                                                    "  <td> \xdc 2 ab 84 %</td>",
                                                    "  <td> \xdc 3 ab 73 %</td></tr>",
                                                    "  <tr> <td> \xdc 4 ab 62 %</td>",
                                                    "  <td> \xdc 5 ab 51 %</td>",
                                                    "  <td> \xdc 6 ab 34 %</td></tr>",
                                                    "  <tr> <td> \xdc 7 ab 17 %</td>",
                                                    "  <td> unter 17 %:  \xdc 8 </td></tr>"};
    QTest::newRow("Sek. II")
        << scaleKey(u"Sek. II"_s)
        << QByteArrayList{"<tr>  <td>15 Pkt. ab 95 %</td>",  "  <td>14 Pkt. ab 90 %</td>",
                          "  <td>13 Pkt. ab 85 %</td></tr>", "  <tr> <td>12 Pkt. ab 80 %</td>",
                          "  <td>11 Pkt. ab 75 %</td>",      "  <td>10 Pkt. ab 70 %</td></tr>",
                          "  <tr> <td>9 Pkt. ab 65 %</td>",  "  <td>8 Pkt. ab 60 %</td>",
                          "  <td> 7 Pkt. ab 55 %</td></tr>", "  <tr> <td> 6 Pkt. ab 50 %</td>",
                          "  <td>5 Pkt. ab 45 %</td>",       "  <td>4 Pkt. ab 40 %</td></tr>",
                          "  <tr> <td> 3 Pkt. ab 35 %</td>", "  <td>2 Pkt. ab 30 %</td>",
                          "  <td>1 Pkt. ab 19 %</td></tr>",  "  <tr> <td>0 Pkt unter 19 %</td>"};
    // The six-grade form comes first even when "Sek. II" is selected.
    GradeKeyFields sekIIWithoutSeventh = scaleKey(u"Sek. II"_s);
    sekIIWithoutSeventh.thresholds[6].clear();
    QTest::newRow("Sek. II with threshold 7 emptied")
        << sekIIWithoutSeventh
        << QByteArrayList{"<tr>  <td>15 Pkt. ab 95 %</td>",  "  <td>14 Pkt. ab 90 %</td>",
                          "  <td>13 Pkt. ab 85 %</td></tr>", "  <tr> <td>12 Pkt. ab 80 %</td>",
                          "  <td>11 Pkt. ab 75 %</td>",      "  <td>10 Pkt. unter 75 %</td></tr>"};
    // Field texts are printed as typed.
    GradeKeyFields typed = scaleKey(u"1 bis 6"_s);
    typed.thresholds[4] = u" 19,5"_s;
    QTest::newRow("threshold as typed")
        << typed
        << QByteArrayList{"<tr>  <td>   1 ab 85 %</td>",  "  <td>   2 ab 70 %</td>",
                          "  <td>   3 ab 55 %</td></tr>", "  <tr> <td>   4 ab 40 %</td>",
                          "  <td>   5 ab  19,5 %</td>",   "  <td>   6 unter  19,5 %</td></tr>"};
}

void tst_EvaluationDocuments::resultListGradeKey() {
    QFETCH(GradeKeyFields, key);
    QFETCH(QByteArrayList, lines);

    lines << "  </tr>"
          << "  </table>"
          << "</body>"
          << "</html>";
    compareLines(keyLinesOf(resultList(resultTable(), key, QDate(2024, 3, 5))), lines);
}

QTEST_APPLESS_MAIN(tst_EvaluationDocuments)
#include "tst_EvaluationDocuments.moc"
