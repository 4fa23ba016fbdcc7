#include "authoring/StringGrid.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/fsuid.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Accepts the first limit bytes, then fails like a full disk.
class FailingBuffer : public QBuffer {
public:
    explicit FailingBuffer(qint64 limit)
        : m_limit(limit) {}

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (m_written + length <= m_limit) {
            m_written += length;
            return QBuffer::writeData(data, length);
        }
        QBuffer::writeData(data, m_limit - m_written);
        m_written = m_limit;
        setErrorString(u"Kein Platz mehr auf dem Datenträger"_s);
        return -1;
    }

private:
    qint64 m_limit;
    qint64 m_written = 0;
};

// Root ignores folder permissions; while this lives, file access is checked as "nobody".
class UnprivilegedFileAccess {
public:
    UnprivilegedFileAccess()
        : m_active(geteuid() == 0) {
        if (m_active) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~UnprivilegedFileAccess() {
        if (m_active) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    // False where the process may not change its file user (then permissions cannot be
    // tested as root).
    bool enforced() const { return !m_active || int(setfsuid(uid_t(-1))) == 65534; }
    UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
    UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

private:
    bool m_active;
};

QByteArray bytesOf(const StringGrid& table) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!WriteGridFile(table, &buffer, &error))
        qWarning() << error;
    return bytes;
}

bool readBytes(StringGrid& table, const QByteArray& bytes, QString* error) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadGridFile(table, &buffer, error);
}

QByteArrayList cellsOf(const StringGrid& table) {
    QByteArrayList cells;
    for (int col = 0; col < table.colCount(); ++col) {
        for (int row = 0; row < table.rowCount(); ++row)
            cells.append(table.cell(col, row));
    }
    return cells;
}

// Lines ended by CR LF; what follows the last CR LF is returned as a last, unterminated entry.
QByteArrayList crLfLines(const QByteArray& bytes) {
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype end; (end = bytes.indexOf("\r\n", start)) >= 0; start = end + 2)
        lines.append(bytes.mid(start, end - start));
    lines.append(bytes.mid(start));
    return lines;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

const QString kDamaged = u"Die Datei ist beschädigt oder keine Varelo-Datei: "_s;

} // namespace

class TestGridFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void testTableLayout();
    void roundTrip_data();
    void roundTrip();
    void readingRules_data();
    void readingRules();
    void damagedFilesChangeNothing_data();
    void damagedFilesChangeNothing();
    void unstorableBytesBecomeBlanks();
    void unstorableBytesInAScrambledSave();
    void failingDeviceReportsAnError_data();
    void failingDeviceReportsAnError();
    void closedDevicesAreRefused();
    void fileDeviceThatFailsOnFlush();
    void pathRoundTrip();
    void failedSaveKeepsTheOldFile();
    void pathErrorsNameTheFile();
};

void TestGridFile::testTableLayout() {
    StringGrid table(5, 1201);
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 1201; ++row) {
            if ((col + row) % 7 != 0)
                table.setCell(col, row, QByteArray::number(col) + ',' + QByteArray::number(row));
        }
    }
    const QByteArray bytes = bytesOf(table);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), 6007);
    QCOMPARE(bytes.count('\n'), 6007);

    const QByteArrayList lines = crLfLines(bytes);
    QCOMPARE(lines.size(), 6007 + 1);
    QCOMPARE(lines.last(), QByteArray());
    QCOMPARE(lines.at(0), QByteArray("5"));
    QCOMPARE(lines.at(1), QByteArray("1201"));
    // Line numbers count from 1: line 3 is cell (0, 0), line 1203 cell (0, 1200), line 1204
    // cell (1, 0).
    QCOMPARE(lines.at(3 - 1), QByteArray());
    QCOMPARE(lines.at(1203 - 1), QByteArray("0,1200"));
    QCOMPARE(lines.at(1204 - 1), QByteArray("1,0"));
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < 1201; ++row)
            QCOMPARE(lines.at(2 + col * 1201 + row), table.cell(col, row));
    }
}

void TestGridFile::roundTrip_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArrayList>("cells");

    QTest::newRow("empty cells") << 2 << 3 << QByteArrayList{"", "a", "", "", "", "z"};
    QTest::newRow("line feeds inside cells")
        << 1 << 5 << QByteArrayList{"a\nb", "\n", "\nanfang", "ende\n", "x\n\ny"};
    QTest::newRow("Windows-1252 and every other byte")
        << 1 << 3
        << QByteArrayList{"Gr\xFC\xDF"
                          "e \xE4\xF6\x80",
                          "\t\x01\x7F\x81\xFF", "{|}~"};
    QTest::newRow("one cell") << 1 << 1 << QByteArrayList{"nur"};
    QTest::newRow("leading blanks in a cell") << 1 << 2 << QByteArrayList{"  3", " "};
}

void TestGridFile::roundTrip() {
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QByteArrayList, cells);

    StringGrid table(columns, rows);
    for (int i = 0; i < cells.size(); ++i)
        table.setCell(i / rows, i % rows, cells.at(i));
    const QByteArray bytes = bytesOf(table);
    // One line per cell however many line feeds the cells hold.
    QCOMPARE(bytes.count("\r\n"), 2 + columns * rows);

    StringGrid read(5, 1201);
    QString error;
    QVERIFY2(readBytes(read, bytes, &error), qPrintable(error));
    QCOMPARE(read.colCount(), columns);
    QCOMPARE(read.rowCount(), rows);
    QCOMPARE(cellsOf(read), cells);
}

void TestGridFile::readingRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArrayList>("cells");

    QTest::newRow("file ends early")
        << QByteArray("2\r\n3\r\na\r\nb\r\n") << 2 << 3 << QByteArrayList{"a", "b", "", "", "", ""};
    QTest::newRow("last line without line end")
        << QByteArray("1\r\n2\r\nabc") << 1 << 2 << QByteArrayList{"abc", ""};
    QTest::newRow("byte 26 ends the file") << QByteArray("1\r\n3\r\nab\x1A"
                                                         "cd\r\nx\r\n")
                                           << 1 << 3 << QByteArrayList{"ab", "", ""};
    QTest::newRow("byte 26 before the row count") << QByteArray("2\r\n\x1A"
                                                                "5\r\n")
                                                  << 2 << 1 << QByteArrayList{"", ""};
    QTest::newRow("empty file") << QByteArray() << 1 << 1 << QByteArrayList{""};
    QTest::newRow("only a column count") << QByteArray("3") << 3 << 1 << QByteArrayList{"", "", ""};
    QTest::newRow("counts below 1")
        << QByteArray("0\r\n-4\r\nx\r\ny\r\n") << 1 << 1 << QByteArrayList{"x"};
    QTest::newRow("blanks and line ends before counts")
        << QByteArray("  \r\n\r\n\t 2\r\n   1\r\na\r\nb\r\n") << 2 << 1 << QByteArrayList{"a", "b"};
    QTest::newRow("rest of a count line skipped")
        << QByteArray("2 Spalten\r\n1 Zeile \r\na\r\nb\r\n") << 2 << 1 << QByteArrayList{"a", "b"};
    QTest::newRow("sign before a count")
        << QByteArray("+1\r\n2\r\na\r\nb\r\n") << 1 << 2 << QByteArrayList{"a", "b"};
    QTest::newRow("lone LF stays in the text")
        << QByteArray("1\r\n2\r\na\nb\r\nc\r\n") << 1 << 2 << QByteArrayList{"a\nb", "c"};
    QTest::newRow("CR alone ends a line")
        << QByteArray("1\r\n3\r\na\rb\r\r\n") << 1 << 3 << QByteArrayList{"a", "b", ""};
    QTest::newRow("only one LF after a CR is skipped")
        << QByteArray("1\r\n2\r\na\r\n\nb\r\n") << 1 << 2 << QByteArrayList{"a", "\nb"};
    QTest::newRow("more lines than cells")
        << QByteArray("1\r\n1\r\na\r\nb\r\n") << 1 << 1 << QByteArrayList{"a"};
    QTest::newRow("largest column count")
        << QByteArray("16\r\n1\r\n") << 16 << 1 << QByteArrayList(16, QByteArray());
    QTest::newRow("largest row count")
        << QByteArray("1\r\n100000\r\nerste\r\n") << 1 << 100000
        << (QByteArrayList{"erste"} + QByteArrayList(99999, QByteArray()));
}

void TestGridFile::readingRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QByteArrayList, cells);

    StringGrid table(5, 1201);
    table.setCell(0, 0, QByteArray("alt"));
    QString error;
    QVERIFY2(readBytes(table, bytes, &error), qPrintable(error));
    QCOMPARE(table.colCount(), columns);
    QCOMPARE(table.rowCount(), rows);
    QCOMPARE(cellsOf(table), cells);
}

void TestGridFile::damagedFilesChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("column count is text") << QByteArray("Hallo\r\n5\r\n");
    QTest::newRow("row count is text") << QByteArray("5\r\nviele\r\n");
    QTest::newRow("digits run into text") << QByteArray("5x\r\n1201\r\n");
    QTest::newRow("sign without digits") << QByteArray("-\r\n1201\r\n");
    QTest::newRow("hexadecimal") << QByteArray("$5\r\n1201\r\n");
    QTest::newRow("too many columns") << QByteArray("17\r\n1201\r\n");
    QTest::newRow("too many rows") << QByteArray("5\r\n100001\r\n");
    QTest::newRow("count beyond any integer") << QByteArray("5\r\n99999999999999999999999\r\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n", 8);
}

void TestGridFile::damagedFilesChangeNothing() {
    QFETCH(QByteArray, bytes);

    StringGrid table(5, 1201);
    table.setCell(1, 1, QByteArray("Aufgabe 1: bleibt"));
    table.setCell(4, 1300, QByteArray("hinter dem Ende"));
    const QByteArrayList before = cellsOf(table);

    QString error;
    QVERIFY(!readBytes(table, bytes, &error));
    QVERIFY2(error.startsWith(kDamaged), qPrintable(error));
    QCOMPARE(table.colCount(), 5);
    QCOMPARE(table.rowCount(), 1201);
    QCOMPARE(cellsOf(table), before);
    QCOMPARE(table.cell(4, 1300), QByteArray("hinter dem Ende"));
}

void TestGridFile::unstorableBytesBecomeBlanks() {
    StringGrid table(1, 4);
    table.setCell(0, 0, QByteArray("a\rb"));
    table.setCell(0, 1,
                  QByteArray("c\x1A"
                             "d"));
    table.setCell(0, 2, QByteArray("\r\n"));
    table.setCell(0, 3, QByteArray("letzte"));

    const QByteArray bytes = bytesOf(table);
    QCOMPARE(bytes, QByteArray("1\r\n4\r\na b\r\nc d\r\n \n\r\nletzte\r\n"));
    StringGrid read(5, 1201);
    QString error;
    QVERIFY2(readBytes(read, bytes, &error), qPrintable(error));
    QCOMPARE(cellsOf(read), (QByteArrayList{"a b", "c d", " \n", "letzte"}));
}

void TestGridFile::unstorableBytesInAScrambledSave() {
    // The whole save and open road: only the bad byte changes, the rest of its cell and every
    // later cell come back exactly.
    StringGrid plain(5, 1201);
    plain.setCell(1, 1, QByteArray("Aufgabe 1: eins\rzwei drei"));
    plain.setCell(1, 2,
                  QByteArray("Ende\x1a"
                             "Antwort"));
    plain.setCell(1, 3, QByteArray("danach"));
    StringGrid scrambled(5, 1201);
    ScrambleTable(plain, scrambled);
    StringGrid read(5, 1201);
    QString error;
    QVERIFY2(readBytes(read, bytesOf(scrambled), &error), qPrintable(error));
    StringGrid opened(5, 1201);
    UnscrambleTable(read, opened);
    QCOMPARE(opened.cell(1, 1), QByteArray("Aufgabe 1: eins zwei drei"));
    QCOMPARE(opened.cell(1, 2), QByteArray("Ende Antwort"));
    QCOMPARE(opened.cell(1, 3), QByteArray("danach"));
}

void TestGridFile::failingDeviceReportsAnError_data() {
    // Bytes the device accepts; a negative value counts back from the whole file.
    QTest::addColumn<qint64>("limit");

    QTest::newRow("nothing fits") << qint64(0);
    QTest::newRow("inside the counts") << qint64(3);
    QTest::newRow("one byte short") << qint64(-1);
}

void TestGridFile::failingDeviceReportsAnError() {
    QFETCH(qint64, limit);

    StringGrid table(5, 1201);
    table.setCell(2, 2, QByteArray("falsch"));
    if (limit < 0)
        limit += bytesOf(table).size();

    FailingBuffer buffer(limit);
    QVERIFY(buffer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QString error;
    QVERIFY(!WriteGridFile(table, &buffer, &error));
    QVERIFY(error.contains(u"Kein Platz mehr auf dem Datenträger"_s));
}

void TestGridFile::closedDevicesAreRefused() {
    StringGrid table(5, 1201);
    QBuffer closed;
    QString error;
    QVERIFY(!WriteGridFile(table, &closed, &error));
    QVERIFY(!error.isEmpty());

    error.clear();
    table.setCell(0, 0, QByteArray("bleibt"));
    QVERIFY(!ReadGridFile(table, &closed, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(table.cell(0, 0), QByteArray("bleibt"));

    QByteArray bytes("1\r\n1\r\nx\r\n");
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    error.clear();
    QVERIFY(!WriteGridFile(table, &readOnly, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(bytes, QByteArray("1\r\n1\r\nx\r\n"));
}

void TestGridFile::fileDeviceThatFailsOnFlush() {
    // A test fits into the file's write buffer, so a full disk shows only when it goes out.
    QFile full(u"/dev/full"_s);
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("/dev/full is not available");
    StringGrid table(5, 1201);
    QString error;
    QVERIFY(!WriteGridFile(table, &full, &error));
    QVERIFY(!error.isEmpty());
}

void TestGridFile::pathRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Test A.test"_s);
    QVERIFY(QFile(path).open(QIODevice::WriteOnly)); // an older, empty file is replaced

    StringGrid table(5, 1201);
    table.setCell(1, 1,
                  QByteArray("Aufgabe 1: Gr\xFC\xDF"
                             "e"));
    table.setCell(3, 1200, QByteArray("wahr"));
    QString error;
    QVERIFY2(WriteGridFile(table, path, &error), qPrintable(error));
    QCOMPARE(readFile(path), bytesOf(table));

    StringGrid read(3, 3);
    QVERIFY2(ReadGridFile(read, path, &error), qPrintable(error));
    QCOMPARE(read.colCount(), 5);
    QCOMPARE(read.rowCount(), 1201);
    QCOMPARE(cellsOf(read), cellsOf(table));

    // A file the caller opened reads the same.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    StringGrid viaDevice(3, 3);
    QVERIFY2(ReadGridFile(viaDevice, &file, &error), qPrintable(error));
    QCOMPARE(cellsOf(viaDevice), cellsOf(table));
}

void TestGridFile::failedSaveKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"schreibgeschützt"_s);
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + u"/Test.test"_s;
    const QByteArray old("1\r\n1\r\nalt\r\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(folder, readOnly));

    StringGrid table(5, 1201);
    table.setCell(1, 1, QByteArray("neu"));
    QString error;
    bool written = false;
    {
        UnprivilegedFileAccess unprivileged;
        if (!unprivileged.enforced())
            QSKIP("folder permissions are not enforced for this process");
        written = WriteGridFile(table, path, &error);
    }
    QFile::setPermissions(folder, readOnly | QFileDevice::WriteOwner);

    QVERIFY(!written);
    QVERIFY(error.contains(path));
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Test.test"_s});
}

void TestGridFile::pathErrorsNameTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    StringGrid table(5, 1201);
    table.setCell(0, 0, QByteArray("bleibt"));

    const QString missing = dir.filePath(u"fehlt.test"_s);
    QString error;
    QVERIFY(!ReadGridFile(table, missing, &error));
    QVERIFY(error.contains(missing));

    const QString damaged = dir.filePath(u"kaputt.test"_s);
    {
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kein Test\r\n");
    }
    error.clear();
    QVERIFY(!ReadGridFile(table, damaged, &error));
    QVERIFY(error.contains(damaged));
    QVERIFY(error.contains(u"beschädigt oder keine Varelo-Datei"_s));
    QCOMPARE(table.cell(0, 0), QByteArray("bleibt"));

    error.clear();
    QVERIFY(!ReadGridFile(table, dir.path(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(table.cell(0, 0), QByteArray("bleibt"));
}

QTEST_GUILESS_MAIN(TestGridFile)
#include "tst_GridFile.moc"
