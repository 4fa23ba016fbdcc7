#include "authoring/StringGrid.h"

#include <QTest>

namespace {

// Row r's cells read "c<col>r<row>", so moved rows show where they came from.
StringGrid numbered(int cols, int rows) {
    StringGrid grid(cols, rows);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            grid.setCell(c, r, "c" + QByteArray::number(c) + "r" + QByteArray::number(r));
    return grid;
}

} // namespace

class TestStringGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsBeyondTheExtent() {
        StringGrid grid(5, 1201);
        QCOMPARE(grid.cell(1, grid.rowCount() + 5), QByteArray());
        grid.setCell(1, 1210, "weiter unten");
        QCOMPARE(grid.rowCount(), 1201);
        QCOMPARE(grid.cell(1, 1210), QByteArray("weiter unten"));
        QCOMPARE(grid.cell(5, 0), QByteArray());
        QCOMPARE(grid.cell(-1, 0), QByteArray());
    }

    void rowCountLargerAndSmaller() {
        StringGrid grid = numbered(2, 4);
        grid.setRowCount(2);
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(0, 2), QByteArray());
        grid.setRowCount(5);
        QCOMPARE(grid.cell(1, 1), QByteArray("c1r1"));
        QCOMPARE(grid.cell(1, 3), QByteArray());
        QCOMPARE(grid.cell(1, 4), QByteArray());
        grid.setRowCount(0);
        QCOMPARE(grid.rowCount(), 1);
    }

    void insertRow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("emptyRow");
        QTest::newRow("middle") << 2 << 2;
        QTest::newRow("header row stays") << 0 << 1;
        QTest::newRow("below the header") << -3 << 1;
        QTest::newRow("at the end") << 4 << 4;
    }
    void insertRow() {
        QFETCH(int, index);
        QFETCH(int, emptyRow);
        StringGrid grid = numbered(2, 4);
        grid.insertRow(index);
        QCOMPARE(grid.rowCount(), 5);
        QCOMPARE(grid.cell(0, 0), QByteArray("c0r0"));
        QCOMPARE(grid.cell(1, emptyRow), QByteArray());
        for (int r = 1; r < 5; ++r) {
            if (r == emptyRow)
                continue;
            const int from = r < emptyRow ? r : r - 1;
            QCOMPARE(grid.cell(1, r), "c1r" + QByteArray::number(from));
        }
    }

    void insertKeepsCellsBeyondTheExtent() {
        StringGrid grid = numbered(1, 3);
        grid.setCell(0, 10, "fern");
        grid.insertRow(1);
        QCOMPARE(grid.cell(0, 10), QByteArray("fern"));
        QCOMPARE(grid.cell(0, 3), QByteArray("c0r2"));
    }

    void deleteRow() {
        StringGrid grid = numbered(2, 5);
        grid.deleteRow(1);
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(grid.cell(1, 0), QByteArray("c1r0"));
        QCOMPARE(grid.cell(1, 1), QByteArray("c1r2"));
        QCOMPARE(grid.cell(1, 3), QByteArray("c1r4"));
        QCOMPARE(grid.cell(1, 4), QByteArray());
    }

    void wholeTaskInsertedAndDeleted() {
        // Six inserts after task 2 of three, then six deletes of the new task 3.
        StringGrid grid = numbered(5, 1201);
        for (int i = 0; i < 6; ++i)
            grid.insertRow(13);
        QCOMPARE(grid.rowCount(), 1207);
        for (int r = 13; r <= 18; ++r)
            QCOMPARE(grid.cell(1, r), QByteArray());
        QCOMPARE(grid.cell(1, 19), QByteArray("c1r13"));
        QCOMPARE(grid.cell(4, 1206), QByteArray("c4r1200"));
        for (int row = 18; row >= 13; --row)
            grid.deleteRow(row);
        QCOMPARE(grid.rowCount(), 1201);
        QCOMPARE(grid.cell(1, 13), QByteArray("c1r13"));
        QCOMPARE(grid.cell(4, 1200), QByteArray("c4r1200"));
    }

    void clearRowAndClear() {
        StringGrid grid = numbered(3, 3);
        grid.setCell(0, 7, "fern");
        grid.clearRow(1);
        QCOMPARE(grid.cell(0, 1), QByteArray());
        QCOMPARE(grid.cell(2, 1), QByteArray());
        QCOMPARE(grid.cell(2, 2), QByteArray("c2r2"));
        grid.clear();
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.cell(2, 2), QByteArray());
        QCOMPARE(grid.cell(0, 7), QByteArray());
    }
};

QTEST_APPLESS_MAIN(TestStringGrid)
#include "tst_StringGrid.moc"
