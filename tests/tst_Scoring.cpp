#include "authoring/StringGrid.h"
#include "evaluation/Scoring.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Tasks separated by "|", answers by ","; an answer is three letters: its text ("a" some
// text, "_" empty, "b" a single blank), the student's choice and the solution ("w" wahr,
// "f" falsch). Unused answer slots are written the way the editor leaves them.
StringGrid answerTable(const QString& tasks, bool single, bool endMarker = true) {
    StringGrid table(5, 1201);
    if (single)
        table.setCell(4, 0, "Single");
    const QStringList blocks = tasks.isEmpty() ? QStringList() : tasks.split(u'|');
    auto word = [](QChar c) { return c == u'w' ? QByteArray("wahr") : QByteArray("falsch"); };
    for (int k = 1; k <= blocks.size(); ++k) {
        const int r = 6 * (k - 1) + 1;
        table.setCell(1, r, "Aufgabe " + QByteArray::number(k) + ": Frage");
        const QStringList answers = blocks.at(k - 1).split(u',');
        for (int i = 1; i <= 5; ++i) {
            const QString a = i <= answers.size() ? answers.at(i - 1) : u"_ff"_s;
            if (a.size() != 3)
                qFatal("answer code of three letters expected: %s", qPrintable(a));
            const QByteArray text = a.at(0) == u'a' ? QByteArray("Antwort ") + QByteArray::number(i)
                                    : a.at(0) == u'b' ? QByteArray(" ")
                                                      : QByteArray();
            table.setCell(1, r + i, text);
            table.setCell(2, r + i, word(a.at(1)));
            table.setCell(3, r + i, word(a.at(2)));
        }
    }
    if (endMarker)
        table.setCell(1, 6 * blocks.size() + 1, "Testende!");
    return table;
}

QString repeated(const QString& task, int times) {
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << task;
    return list.join(u'|');
}

QString joined(const QStringList& parts) {
    QStringList nonEmpty;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            nonEmpty << p;
    }
    return nonEmpty.join(u'|');
}

} // namespace

class tst_Scoring : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void scoresAnswerFile_data();
    void scoresAnswerFile();
    void endMarkerSearch();
    void percentRoundsHalfToEven_data();
    void percentRoundsHalfToEven();
    void shownPercent_data();
    void shownPercent();
};

void tst_Scoring::scoresAnswerFile_data() {
    QTest::addColumn<QString>("tasks");
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("endMarker");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("percent"); // -1: none
    QTest::addColumn<QByteArray>("scoreText");

    // Solution wahr, falsch, falsch with four different sets of ticks.
    QTest::newRow("all ticks match") << u"aww,aff,aff"_s << false << true << 3 << 3
                                     << qint64(1000000) << QByteArray("3 von 3 Pkt.  => 100,00%");
    QTest::newRow("one error two matches")
        << u"aww,awf,aff"_s << false << true << 2 << 3 << qint64(666667)
        << QByteArray("2 von 3 Pkt.  => 66,67%");
    QTest::newRow("three errors") << u"afw,awf,awf"_s << false << true << 0 << 3 << qint64(0)
                                  << QByteArray("0 von 3 Pkt.  => 0,00%");
    QTest::newRow("two errors one match") << u"afw,awf,aff"_s << false << true << 0 << 3
                                          << qint64(0) << QByteArray("0 von 3 Pkt.  => 0,00%");
    QTest::newRow("as many errors as matches")
        << u"aww,awf"_s << false << true << 1 << 2 << qint64(500000)
        << QByteArray("1 von 2 Pkt.  => 50,00%");
    QTest::newRow("blank and empty answers ignored")
        << u"aww,bwf,_wf,aff"_s << false << true << 2 << 2 << qint64(1000000)
        << QByteArray("2 von 2 Pkt.  => 100,00%");
    QTest::newRow("question rows never count")
        << u"aww|afw,aff"_s << false << true << 2 << 3 << qint64(666667)
        << QByteArray("2 von 3 Pkt.  => 66,67%");
    QTest::newRow("single choice 7 of 10")
        << joined({repeated(u"aww,aff,aff"_s, 7), repeated(u"afw,awf,aff"_s, 3)}) << true << true
        << 7 << 10 << qint64(700000) << QByteArray("7 von 10 Aufgaben => 70,00%");
    QTest::newRow("single choice: task without answers is right")
        << u"aww,aff|_ww,_wf"_s << true << true << 2 << 2 << qint64(1000000)
        << QByteArray("2 von 2 Aufgaben => 100,00%");
    // 4 tasks of 5, one task of 3 (two errors), 123 tasks of 0 (three errors): 23 of 640.
    QTest::newRow("23 of 640") << joined({repeated(u"aww,aff,aff,aff,aff"_s, 4),
                                          u"aww,awf,awf,aff,aff"_s,
                                          repeated(u"afw,awf,awf,aff,aff"_s, 123)})
                               << false << true << 23 << 640 << qint64(35938)
                               << QByteArray("23 von 640 Pkt.  => 3,59%");
    // 53 of 160 is 33.1250 %, shown as 33,13.
    QTest::newRow("53 of 160") << joined({repeated(u"aww,aff,aff,aff,aff"_s, 10),
                                          u"aww,awf,awf,aff,aff"_s,
                                          repeated(u"afw,awf,awf,aff,aff"_s, 21)})
                               << false << true << 53 << 160 << qint64(331250)
                               << QByteArray("53 von 160 Pkt.  => 33,13%");
    QTest::newRow("no counting answer") << u"_ww,bff"_s << false << true << 0 << 0 << qint64(-1)
                                        << QByteArray("0 von 0 Pkt.  => keine wertbaren Antworten");
    QTest::newRow("single choice without tasks")
        << QString() << true << true << 0 << 0 << qint64(-1)
        << QByteArray("0 von 0 Aufgaben => keine wertbaren Antworten");
    QTest::newRow("no end marker") << u"aww,aff"_s << false << false << 0 << 0 << qint64(-1)
                                   << QByteArray("0 von 0 Pkt.  => keine wertbaren Antworten");
}

void tst_Scoring::scoresAnswerFile() {
    QFETCH(QString, tasks);
    QFETCH(bool, single);
    QFETCH(bool, endMarker);
    QFETCH(int, points);
    QFETCH(int, maximum);
    QFETCH(qint64, percent);
    QFETCH(QByteArray, scoreText);

    const StringGrid table = answerTable(tasks, single, endMarker);
    QCOMPARE(isSingleChoice(table), single);
    const Score score = scoreAnswerTable(table, taskCountOf(table));
    QCOMPARE(score.points, points);
    QCOMPARE(score.maximum, maximum);
    QCOMPARE(score.singleChoice, single);
    const std::optional<qint64> computed = percentTenThousandths(score.points, score.maximum);
    QCOMPARE(computed.value_or(-1), percent);
    QCOMPARE(::scoreText(score), scoreText);
}

void tst_Scoring::endMarkerSearch() {
    StringGrid table = answerTable(u"aww|aww"_s, false);
    QCOMPARE(findEndMarker(table), 13);
    QCOMPARE(taskCountOf(table), 2);

    // A marker-like text in a later answer cell is not the first one.
    table.setCell(1, 20, "Testende!");
    QCOMPARE(findEndMarker(table), 13);

    // The search goes by rows, not by the table's extent.
    StringGrid shortTable(5, 10);
    shortTable.setCell(1, 13, "Testende!");
    QCOMPARE(findEndMarker(shortTable), 13);

    // Beyond row 1200 nothing is searched.
    StringGrid longTable(5, 1207);
    longTable.setCell(1, 1201, "Testende!");
    QCOMPARE(findEndMarker(longTable), -1);
    QCOMPARE(taskCountOf(longTable), 0);
    longTable.setCell(1, 1200, "Testende!");
    QCOMPARE(findEndMarker(longTable), 1200);

    // Row 0 is the header, never the marker.
    StringGrid header(5, 1201);
    header.setCell(1, 0, "Testende!");
    QCOMPARE(findEndMarker(header), -1);
}

void tst_Scoring::percentRoundsHalfToEven_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<qint64>("percent");

    QTest::newRow("2 of 3") << 2 << 3 << qint64(666667);
    QTest::newRow("1 of 3") << 1 << 3 << qint64(333333);
    QTest::newRow("23 of 640") << 23 << 640 << qint64(35938);
    QTest::newRow("half goes down to even") << 1 << 400000 << qint64(2);
    QTest::newRow("half goes up to even") << 3 << 400000 << qint64(8);
    QTest::newRow("just above half") << 1 << 399999 << qint64(3);
    QTest::newRow("all") << 199 << 199 << qint64(1000000);
}

void tst_Scoring::percentRoundsHalfToEven() {
    QFETCH(int, points);
    QFETCH(int, maximum);
    QFETCH(qint64, percent);
    QCOMPARE(percentTenThousandths(points, maximum), std::optional<qint64>(percent));
}

void tst_Scoring::shownPercent_data() {
    QTest::addColumn<qint64>("percent");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("text");

    QTest::newRow("66.6667") << qint64(666667) << true << u"66,67"_s;
    QTest::newRow("33.1250 half away from zero") << qint64(331250) << true << u"33,13"_s;
    QTest::newRow("0.1249") << qint64(1249) << true << u"0,12"_s;
    QTest::newRow("70") << qint64(700000) << true << u"70,00"_s;
    QTest::newRow("99.9950") << qint64(999950) << true << u"100,00"_s;
    QTest::newRow("English point") << qint64(666667) << false << u"66.67"_s;
}

void tst_Scoring::shownPercent() {
    QFETCH(qint64, percent);
    QFETCH(bool, german);
    QFETCH(QString, text);
    QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany)
                               : QLocale(QLocale::English, QLocale::UnitedStates));
    const QString shown = percentText(percent);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(shown, text);
}

QTEST_APPLESS_MAIN(tst_Scoring)
#include "tst_Scoring.moc"
