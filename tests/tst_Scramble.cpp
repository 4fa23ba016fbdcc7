#include "authoring/StringGrid.h"
#include "files/ScrambleText.h"
#include "files/SharedRandom.h"

#include "ReferenceGenerator.h"

#include <QtTest>

#include <algorithm>

namespace {

QByteArray allBytes() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(i);
    return bytes;
}

bool inScrambledRange(char c) {
    const int b = static_cast<unsigned char>(c);
    return b >= 32 && b <= 122;
}

QByteArray scramble(const QByteArray& text) {
    return ScrambleText(text, FileKey, ScrambleDirection::Scramble);
}

QByteArray unscramble(const QByteArray& text) {
    return ScrambleText(text, FileKey, ScrambleDirection::Unscramble);
}

} // namespace

class TestScramble : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyHasTwoDigits();
    void generatorPins_data();
    void generatorPins();
    void generatorFollowsItsDefinition_data();
    void generatorFollowsItsDefinition();
    void singleCharacterShiftsByTheFirstDraw();
    void bytesOutsideTheRangeDrawNothing();
    void resultDependsOnTheTextAlone();
    void everyByteRoundTrips_data();
    void everyByteRoundTrips();
    void rangeIsKept();
    void scrambleTableWalksTheTarget();
    void unscrambleTableWalksTheSource();
    void equalTextsGiveEqualCells();
};

void TestScramble::keyHasTwoDigits() {
    QVERIFY(FileKey >= 10 && FileKey <= 99);
}

void TestScramble::generatorPins_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("n");
    QTest::addColumn<quint32>("nextState");
    QTest::addColumn<quint32>("draw");

    // 0 * a + 1 = 1; floor(90 * 1 / 2^32) = 0.
    QTest::newRow("zero") << 0u << 90u << 1u << 0u;
    // 1 * 134775813 + 1; floor(90 * 134775814 / 2^32) = floor(2.82...) = 2.
    QTest::newRow("one") << 1u << 90u << 134775814u << 2u;
    // (2^32 - 1) * a + 1 = 2^32 * a - a + 1 = 2^32 - 134775812 (mod 2^32): the step wraps.
    QTest::newRow("wraps") << 0xFFFFFFFFu << 2u << 4160191484u << 1u;
    // Below 1 is always 0, even for the largest state.
    QTest::newRow("below one") << 0xFFFFFFFFu << 1u << 4160191484u << 0u;
}

void TestScramble::generatorPins() {
    QFETCH(quint32, seed);
    QFETCH(quint32, n);
    QFETCH(quint32, nextState);
    QFETCH(quint32, draw);

    SharedRandom::seed(seed);
    QCOMPARE(SharedRandom::state(), seed);
    QCOMPARE(SharedRandom::below(n), draw);
    QCOMPARE(SharedRandom::state(), nextState);
}

void TestScramble::generatorFollowsItsDefinition_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("n");

    QTest::newRow("key, 90") << quint32(FileKey) << 90u;
    QTest::newRow("clock-like seed, 200") << 45296789u << 200u;
    QTest::newRow("high seed, 7") << 0xDEADBEEFu << 7u;
    QTest::newRow("largest n") << 12345u << 0xFFFFFFFFu;
}

void TestScramble::generatorFollowsItsDefinition() {
    QFETCH(quint32, seed);
    QFETCH(quint32, n);

    SharedRandom::seed(seed);
    ReferenceGenerator reference{seed};
    for (int i = 0; i < 1000; ++i) {
        const quint32 draw = SharedRandom::below(n);
        QCOMPARE(draw, reference.below(n));
        QVERIFY(draw < n);
        QCOMPARE(quint64(SharedRandom::state()), reference.state);
    }
}

void TestScramble::singleCharacterShiftsByTheFirstDraw() {
    ReferenceGenerator reference{quint32(FileKey)};
    const int shift = int(reference.below(90));
    for (int c = 32; c <= 122; ++c) {
        int scrambled = c - shift;
        if (scrambled < 32)
            scrambled += 91;
        const QByteArray plain(1, char(c));
        QCOMPARE(scramble(plain), QByteArray(1, char(scrambled)));
        QCOMPARE(unscramble(QByteArray(1, char(scrambled))), plain);
    }
}

void TestScramble::bytesOutsideTheRangeDrawNothing() {
    // ä, ö, ü, ß in Windows-1252.
    const QByteArray umlauts("\xE4\xF6\xFC\xDF");
    QCOMPARE(scramble(umlauts), umlauts);
    QCOMPARE(SharedRandom::state(), quint32(FileKey));

    // In a, ä, b the b takes the second draw after the key, not the third.
    ReferenceGenerator reference{quint32(FileKey)};
    const int first = int(reference.below(90));
    const int second = int(reference.below(90));
    auto shifted = [](int c, int r) { return char(c - r < 32 ? c - r + 91 : c - r); };
    QByteArray expected;
    expected.append(shifted('a', first));
    expected.append('\xE4');
    expected.append(shifted('b', second));
    QCOMPARE(scramble(QByteArray("a\xE4"
                                 "b")),
             expected);

    // Control bytes, { | } ~, DEL and the upper half likewise.
    const QByteArray others("\t\r\n{|}~\x7F\x80\xFF");
    QCOMPARE(scramble(others), others);
    QCOMPARE(SharedRandom::state(), quint32(FileKey));
}

void TestScramble::resultDependsOnTheTextAlone() {
    const QByteArray text("Aufgabe 3: Was ist 2 + 2?");
    SharedRandom::seed(0xCAFEBABE);
    const QByteArray once = scramble(text);
    SharedRandom::seed(7);
    QCOMPARE(scramble(text), once);
    QVERIFY(once != text);

    QCOMPARE(scramble(QByteArray()), QByteArray());
    QCOMPARE(SharedRandom::state(), quint32(FileKey));
}

void TestScramble::everyByteRoundTrips_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("key");

    const QByteArray bytes = allBytes();
    QByteArray reversed = bytes;
    std::reverse(reversed.begin(), reversed.end());
    QTest::newRow("0..255") << bytes << FileKey;
    QTest::newRow("255..0") << reversed << FileKey;
    QTest::newRow("0..255 three times") << bytes.repeated(3) << FileKey;
    QTest::newRow("other key") << bytes << 10;
    QTest::newRow("key 99") << reversed << 99;
}

void TestScramble::everyByteRoundTrips() {
    QFETCH(QByteArray, text);
    QFETCH(int, key);

    const QByteArray scrambled = ScrambleText(text, key, ScrambleDirection::Scramble);
    QCOMPARE(scrambled.size(), text.size());
    QVERIFY(scrambled != text);
    QCOMPARE(ScrambleText(scrambled, key, ScrambleDirection::Unscramble), text);

    for (int b = 0; b < 256; ++b) {
        const QByteArray single(1, char(b));
        QCOMPARE(ScrambleText(ScrambleText(single, key, ScrambleDirection::Scramble), key,
                              ScrambleDirection::Unscramble),
                 single);
    }
}

void TestScramble::rangeIsKept() {
    // Every byte in every position of a long text: inside 32..122 stays inside, outside stays
    // as it was, so a scrambled cell holds a CR only where its plain text did.
    const QByteArray text = allBytes().repeated(4);
    for (const auto direction : {ScrambleDirection::Scramble, ScrambleDirection::Unscramble}) {
        const QByteArray result = ScrambleText(text, FileKey, direction);
        QCOMPARE(result.size(), text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            QCOMPARE(inScrambledRange(result.at(i)), inScrambledRange(text.at(i)));
            if (!inScrambledRange(text.at(i)))
                QCOMPARE(result.at(i), text.at(i));
        }
    }
}

void TestScramble::scrambleTableWalksTheTarget() {
    StringGrid plain(5, 1207);
    plain.setCell(1, 1, QByteArray("Aufgabe 1: Frage"));
    plain.setCell(3, 1206, QByteArray("wahr"));
    plain.setCell(2, 1250, QByteArray("hinter dem Ende"));
    StringGrid scrambled(5, 1201);
    scrambled.setCell(0, 1300, QByteArray("old"));

    ScrambleTable(plain, scrambled);
    QCOMPARE(scrambled.rowCount(), 1201);
    QCOMPARE(plain.rowCount(), 1207);
    QCOMPARE(scrambled.cell(1, 1), scramble(QByteArray("Aufgabe 1: Frage")));
    QCOMPARE(scrambled.cell(3, 1206), QByteArray());
    QCOMPARE(scrambled.cell(0, 1300), QByteArray("old"));

    // A scrambled copy longer than the plain table takes cells the plain one holds beyond its
    // own extent.
    StringGrid longCopy(5, 1300);
    ScrambleTable(plain, longCopy);
    QCOMPARE(longCopy.cell(3, 1206), scramble(QByteArray("wahr")));
    QCOMPARE(longCopy.cell(2, 1250), scramble(QByteArray("hinter dem Ende")));
}

void TestScramble::unscrambleTableWalksTheSource() {
    StringGrid scrambled(5, 1207);
    scrambled.setCell(1, 1, scramble(QByteArray("Aufgabe 1: Fr\xE4ge")));
    scrambled.setCell(4, 1206, scramble(QByteArray("Single")));
    StringGrid plain(5, 1201);
    plain.setCell(0, 1300, QByteArray("kept"));
    plain.setCell(2, 5, QByteArray("overwritten"));

    UnscrambleTable(scrambled, plain);
    QCOMPARE(plain.rowCount(), 1201);
    QCOMPARE(plain.cell(1, 1), QByteArray("Aufgabe 1: Fr\xE4ge"));
    QCOMPARE(plain.cell(4, 1206), QByteArray("Single"));
    QCOMPARE(plain.cell(2, 5), QByteArray());
    QCOMPARE(plain.cell(0, 1300), QByteArray("kept"));

    // There and back again gives the table back.
    StringGrid copy(5, 1207);
    ScrambleTable(plain, copy);
    StringGrid back(5, 1201);
    UnscrambleTable(copy, back);
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 1207; ++row)
            QCOMPARE(back.cell(col, row), plain.cell(col, row));
    }
}

void TestScramble::equalTextsGiveEqualCells() {
    StringGrid plain(5, 1201);
    const QByteArray text("falsch");
    plain.setCell(2, 2, text);
    plain.setCell(0, 0, text);
    plain.setCell(4, 1200, text);
    StringGrid scrambled(5, 1201);
    ScrambleTable(plain, scrambled);

    QVERIFY(scrambled.cell(2, 2) != text);
    QCOMPARE(scrambled.cell(0, 0), scrambled.cell(2, 2));
    QCOMPARE(scrambled.cell(4, 1200), scrambled.cell(2, 2));
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_Scramble.moc"
