#include "authoring/StringGrid.h"
#include "files/ScrambleText.h"
#include "files/SecondVersion.h"
#include "files/TestLayout.h"

#include "ReferenceGenerator.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

int blockRow(int task) {
    return 6 * (task - 1) + 1;
}

// A test as the editor writes it. Every task differs in every cell it fills, so a block that
// lost or swapped a cell shows. With lastCells, the otherwise empty last cell (4, 6k) of each
// block holds k % 4 letters.
StringGrid makeTest(int tasks, bool lastCells = false) {
    StringGrid table(5, 1201);
    for (int k = 1; k <= tasks; ++k) {
        const QByteArray n = QByteArray::number(k);
        const int r = blockRow(k);
        table.setCell(1, r,
                      QByteArray("Aufgabe ") + n + QByteArray(": Frage ") + n +
                          QByteArray(" zur W\xE4hrung?"));
        if (k % 3 == 0)
            table.setCell(0, r, QByteArray("bild") + n + QByteArray(".jpg"));
        if (k % 4 == 1)
            table.setCell(4, r, QByteArray("ton") + n + QByteArray(".wav"));
        if (k % 2 == 0)
            table.setCell(0, r + 2, QByteArray("red"));
        if (k % 5 == 2)
            table.setCell(0, r + 4, QByteArray("Text"));
        for (int i = 1; i <= 5; ++i) {
            table.setCell(1, r + i, QByteArray("Antwort ") + n + '.' + QByteArray::number(i));
            table.setCell(2, r + i, QByteArray("falsch"));
            table.setCell(3, r + i, QByteArray((k + i) % 3 == 0 ? "wahr" : "falsch"));
        }
        if (lastCells)
            table.setCell(4, r + 5, QByteArray(k % 4, 'x'));
    }
    table.setCell(1, blockRow(tasks + 1), QByteArray("Testende!"));
    return table;
}

// The task whose block now stands at place p, known by its first answer.
int taskAt(const StringGrid& table, int place) {
    const QByteArray answer = table.cell(1, blockRow(place) + 1);
    const QByteArray prefix("Antwort ");
    if (!answer.startsWith(prefix) || !answer.endsWith(".1"))
        return -1;
    return answer.mid(prefix.size(), answer.size() - prefix.size() - 2).toInt();
}

QByteArray afterFirstColon(const QByteArray& text) {
    const qsizetype colon = text.indexOf(':');
    return colon < 0 ? text : text.mid(colon + 1);
}

// The order the shuffle must produce: a forward Fisher-Yates whose first draw comes from the
// seed and whose later draws continue from the state that scrambling the previous block's last
// cell left (the key, stepped once per byte from 32 to 122 in that cell).
QList<int> expectedOrder(const StringGrid& test, int tasks, quint32 seed) {
    QList<int> order(tasks + 1);
    std::iota(order.begin(), order.end(), 0);
    ReferenceGenerator generator{seed};
    for (int i = 1; i <= tasks; ++i) {
        const int j = i + int(generator.below(quint32(tasks + 1 - i)));
        std::swap(order[i], order[j]);
        generator.state = quint32(FileKey);
        for (const char c : test.cell(4, 6 * order[i])) {
            if (static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) <= 122)
                generator.below(90);
        }
    }
    return order.mid(1);
}

quint32 inverseModulo2To32(quint32 odd) {
    quint32 inverse = odd; // correct to 3 bits; each round doubles them
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - odd * inverse;
    return inverse;
}

} // namespace

class TestSecondVersion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countTasks_data();
    void countTasks();
    void relabelQuestion_data();
    void relabelQuestion();

    void blocksMoveWhole_data();
    void blocksMoveWhole();
    void firstDrawIsBelowTheTaskCount_data();
    void firstDrawIsBelowTheTaskCount();
    void oneTaskKeepsItsBlock_data();
    void oneTaskKeepsItsBlock();
    void questionsAreRelabelledInTableOrder();
    void longerEarlierVersionLeavesNothing();
    void emptyTestIsRefused();
};

void TestSecondVersion::countTasks_data() {
    QTest::addColumn<int>("tasks");
    QTest::addColumn<bool>("endMarker");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<bool>("emptyFirstQuestion");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty table") << 0 << false << 1201 << false << 0;
    QTest::newRow("only the end marker") << 0 << true << 1201 << false << 0;
    QTest::newRow("one task") << 1 << true << 1201 << false << 1;
    QTest::newRow("one task without end marker") << 1 << false << 1201 << false << 0;
    QTest::newRow("three tasks") << 3 << true << 1201 << false << 3;
    QTest::newRow("three tasks without end marker") << 3 << false << 1201 << false << 2;
    QTest::newRow("tasks beyond the row count") << 3 << true << 4 << false << 3;
    // The walk starts at the first answer row.
    QTest::newRow("first question cell empty") << 3 << true << 1201 << true << 3;
    QTest::newRow("199 tasks") << 199 << true << 1201 << false << 199;
}

void TestSecondVersion::countTasks() {
    QFETCH(int, tasks);
    QFETCH(bool, endMarker);
    QFETCH(int, rowCount);
    QFETCH(bool, emptyFirstQuestion);
    QFETCH(int, expected);

    const StringGrid test = makeTest(tasks);
    StringGrid table(5, rowCount);
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < blockRow(tasks + 1); ++row)
            table.setCell(col, row, test.cell(col, row));
    }
    if (endMarker)
        table.setCell(1, blockRow(tasks + 1), QByteArray("Testende!"));
    if (emptyFirstQuestion)
        table.setCell(1, 1, QByteArray());
    QCOMPARE(::countTasks(table), expected);
}

void TestSecondVersion::relabelQuestion_data() {
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("label of task 7 shown as task 2")
        << QByteArray("Aufgabe 7: Zeit: 10 min") << 2 << QByteArray("Aufgabe 2: Zeit: 10 min");
    QTest::newRow("no colon") << QByteArray("Ohne Doppelpunkt") << 3
                              << QByteArray("Aufgabe 3:Ohne Doppelpunkt");
    QTest::newRow("no blank after the colon")
        << QByteArray("Aufgabe 12:knapp") << 100 << QByteArray("Aufgabe 100:knapp");
    QTest::newRow("empty") << QByteArray() << 1 << QByteArray("Aufgabe 1:");
    QTest::newRow("only a colon") << QByteArray(":") << 5 << QByteArray("Aufgabe 5:");
    QTest::newRow("umlauts kept") << QByteArray("Aufgabe 1: Gr\xF6\xDF"
                                                "e?")
                                  << 9
                                  << QByteArray("Aufgabe 9: Gr\xF6\xDF"
                                                "e?");
}

void TestSecondVersion::relabelQuestion() {
    QFETCH(QByteArray, question);
    QFETCH(int, number);
    QFETCH(QByteArray, expected);

    QCOMPARE(::relabelQuestion(question, number), expected);
}

void TestSecondVersion::blocksMoveWhole_data() {
    QTest::addColumn<int>("tasks");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("lastCells");
    QTest::addColumn<bool>("singleChoice");

    QTest::newRow("two tasks") << 2 << 0u << false << false;
    QTest::newRow("five tasks") << 5 << 45296789u << false << true;
    QTest::newRow("twelve tasks, last cells filled") << 12 << 86399999u << true << false;
    QTest::newRow("twelve tasks, other seed") << 12 << 1234u << true << false;
    QTest::newRow("199 tasks") << 199 << 12345u << false << true;
}

void TestSecondVersion::blocksMoveWhole() {
    QFETCH(int, tasks);
    QFETCH(quint32, seed);
    QFETCH(bool, lastCells);
    QFETCH(bool, singleChoice);

    const StringGrid original = makeTest(tasks, lastCells);
    StringGrid table = original;
    StringGrid working(5, 1201);
    QVERIFY(buildSecondVersion(table, working, tasks, singleChoice, seed));

    const QList<int> order = expectedOrder(original, tasks, seed);
    QList<int> found;
    for (int place = 1; place <= tasks; ++place)
        found.append(taskAt(table, place));
    QCOMPARE(found, order);
    QList<int> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    QList<int> everyTask(tasks);
    std::iota(everyTask.begin(), everyTask.end(), 1);
    QCOMPARE(sorted, everyTask);

    for (int place = 1; place <= tasks; ++place) {
        const int task = found.at(place - 1);
        for (int k = 0; k < 6; ++k) {
            const int row = blockRow(place) + k;
            const int from = blockRow(task) + k;
            for (int col = 0; col < 5; ++col) {
                QByteArray expected = original.cell(col, from);
                if (col == 1 && k == 0)
                    expected = QByteArray("Aufgabe ") + QByteArray::number(place) + ':' +
                               afterFirstColon(expected);
                else if (col == 0 && row == 3)
                    expected = QByteArray("red");
                QCOMPARE(table.cell(col, row), expected);
            }
        }
    }
    QCOMPARE(table.cell(1, blockRow(tasks + 1)), QByteArray("Testende!"));
    QCOMPARE(table.cell(4, 0), QByteArray(singleChoice ? "Single" : ""));
    for (int col = 0; col < 4; ++col)
        QCOMPARE(table.cell(col, 0), QByteArray());
    for (int row = blockRow(tasks + 1); row < 1201; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (!(row == blockRow(tasks + 1) && col == 1))
                QCOMPARE(table.cell(col, row), QByteArray());
        }
    }
    QCOMPARE(table.rowCount(), 1201);

    // The working table holds the same version, scrambled.
    QCOMPARE(working.cell(1, blockRow(tasks + 1)),
             ScrambleText(QByteArray("Testende!"), FileKey, ScrambleDirection::Scramble));
    QCOMPARE(working.cell(0, 3),
             ScrambleText(QByteArray("red"), FileKey, ScrambleDirection::Scramble));
}

void TestSecondVersion::firstDrawIsBelowTheTaskCount_data() {
    QTest::addColumn<int>("tasks");

    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
    QTest::newRow("seven") << 7;
    QTest::newRow("199") << 199;
}

void TestSecondVersion::firstDrawIsBelowTheTaskCount() {
    QFETCH(int, tasks);

    // The seed whose first step gives the largest state, so the first draw is its bound - 1:
    // the last task moves to the front.
    const quint32 seed = (0xFFFFFFFFu - 1u) * inverseModulo2To32(134775813u);
    ReferenceGenerator check{seed};
    QCOMPARE(check.below(quint32(tasks)), quint32(tasks - 1));

    StringGrid table = makeTest(tasks);
    StringGrid working(5, 1201);
    QVERIFY(buildSecondVersion(table, working, tasks, false, seed));
    QCOMPARE(taskAt(table, 1), tasks);
    // Place 1 swapped with place T; the rest follows from the key.
    const QList<int> order = expectedOrder(makeTest(tasks), tasks, seed);
    for (int place = 1; place <= tasks; ++place)
        QCOMPARE(taskAt(table, place), order.at(place - 1));
}

void TestSecondVersion::oneTaskKeepsItsBlock_data() {
    QTest::addColumn<QByteArray>("colour");
    QTest::addColumn<bool>("singleChoice");

    QTest::newRow("no colour, multiple choice") << QByteArray() << false;
    QTest::newRow("yellow, single choice") << QByteArray("yellow") << true;
    QTest::newRow("red already") << QByteArray("red") << false;
}

void TestSecondVersion::oneTaskKeepsItsBlock() {
    QFETCH(QByteArray, colour);
    QFETCH(bool, singleChoice);

    StringGrid original = makeTest(1);
    original.setCell(0, 3, colour);
    original.setCell(4, 0, QByteArray(singleChoice ? "" : "Single"));
    StringGrid table = original;
    StringGrid working(5, 1201);
    QVERIFY(buildSecondVersion(table, working, 1, singleChoice, 987654321u));

    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 1201; ++row) {
            QByteArray expected = original.cell(col, row);
            if (col == 0 && row == 3)
                expected = QByteArray("red");
            else if (col == 4 && row == 0)
                expected = QByteArray(singleChoice ? "Single" : "");
            QCOMPARE(table.cell(col, row), expected);
        }
    }
}

void TestSecondVersion::questionsAreRelabelledInTableOrder() {
    StringGrid original = makeTest(4);
    const QByteArrayList questions{"Ohne Doppelpunkt", "Aufgabe 7: Zeit: 10 min",
                                   "Aufgabe 3:kein Blank", "Aufgabe 4: Frage"};
    const QByteArrayList rests{"Ohne Doppelpunkt", " Zeit: 10 min", "kein Blank", " Frage"};
    for (int k = 1; k <= 4; ++k)
        original.setCell(1, blockRow(k), questions.at(k - 1));
    StringGrid table = original;
    StringGrid working(5, 1201);
    QVERIFY(buildSecondVersion(table, working, 4, false, 31415926u));

    for (int place = 1; place <= 4; ++place) {
        const int task = taskAt(table, place);
        QVERIFY(task >= 1 && task <= 4);
        QCOMPARE(table.cell(1, blockRow(place)),
                 QByteArray("Aufgabe ") + QByteArray::number(place) + ":" + rests.at(task - 1));
    }
    QCOMPARE(table.cell(1, blockRow(5)), QByteArray("Testende!"));
}

void TestSecondVersion::longerEarlierVersionLeavesNothing() {
    StringGrid working(5, 1201);
    StringGrid longTest = makeTest(10);
    QVERIFY(buildSecondVersion(longTest, working, 10, true, 1u));

    StringGrid table = makeTest(3);
    QVERIFY(buildSecondVersion(table, working, 3, false, 2u));
    for (int row = blockRow(4) + 1; row < 1201; ++row) {
        for (int col = 0; col < 5; ++col) {
            QCOMPARE(table.cell(col, row), QByteArray());
            QCOMPARE(working.cell(col, row), QByteArray());
        }
    }
    QCOMPARE(table.cell(4, 0), QByteArray());
    QCOMPARE(::countTasks(table), 3);
}

void TestSecondVersion::emptyTestIsRefused() {
    const StringGrid original = makeTest(0);
    StringGrid table = original;
    StringGrid working(5, 1201);
    working.setCell(2, 2, QByteArray("alt"));

    QVERIFY(!buildSecondVersion(table, working, 0, true, 5u));
    QCOMPARE(table.cell(1, 1), QByteArray("Testende!"));
    QCOMPARE(table.cell(0, 3), QByteArray());
    QCOMPARE(table.cell(4, 0), QByteArray());
    QCOMPARE(working.cell(2, 2), QByteArray("alt"));
}

QTEST_GUILESS_MAIN(TestSecondVersion)
#include "tst_SecondVersion.moc"
