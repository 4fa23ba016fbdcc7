#include "GridFile.h"

#include "SaveFile.h"
#include "authoring/StringGrid.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr char kCr = 13;
constexpr char kLf = 10;
constexpr char kEndOfFile = 26;

void appendLineEnd(QByteArray& out) {
    out.append(kCr);
    out.append(kLf);
}

// Reads the file through a pointer pair: a per-byte device read would make the evaluation of a
// class's answer files crawl.
class GridParser {
public:
    explicit GridParser(const QByteArray& bytes)
        : m_pos(bytes.constData())
        , m_end(bytes.constData() + bytes.size()) {
        // Ctrl-Z ends the file, wherever it stands.
        if (const void* stop = std::memchr(m_pos, kEndOfFile, size_t(bytes.size())))
            m_end = static_cast<const char*>(stop);
    }

    enum class Count { Ok, NotANumber, TooLarge };

    // A decimal count: blanks and line ends before it are skipped, the end of the file reads
    // as 0, and the rest of its line is skipped. Values below 1 are raised to 1.
    Count readCount(int limit, int* value) {
        while (m_pos < m_end && isBlankOrLineEnd(*m_pos))
            ++m_pos;
        if (m_pos == m_end) {
            *value = 1;
            return Count::Ok;
        }
        bool negative = false;
        if (*m_pos == '+' || *m_pos == '-') {
            negative = *m_pos == '-';
            ++m_pos;
        }
        const char* digits = m_pos;
        qint64 number = 0;
        while (m_pos < m_end && *m_pos >= '0' && *m_pos <= '9') {
            // Saturate well above any limit instead of overflowing.
            number = std::min<qint64>(number * 10 + (*m_pos - '0'), qint64(limit) + 1);
            ++m_pos;
        }
        if (m_pos == digits || (m_pos < m_end && !isBlankOrLineEnd(*m_pos)))
            return Count::NotANumber;
        skipLine();
        if (negative || number < 1)
            number = 1;
        if (number > limit)
            return Count::TooLarge;
        *value = int(number);
        return Count::Ok;
    }

    // Every byte up to the next CR; that CR and one LF right after it are skipped. A lone LF
    // stays in the text. At the end of the file a line reads empty.
    QByteArray readLine() {
        if (m_pos == m_end)
            return {};
        // Most cells of a table are empty.
        if (*m_pos == kCr) {
            skipLineEnd();
            return {};
        }
        const char* start = m_pos;
        m_pos = findCr();
        QByteArray line(start, m_pos - start);
        skipLineEnd();
        return line;
    }

private:
    static bool isBlankOrLineEnd(char c) { return c == ' ' || c == '\t' || c == kCr || c == kLf; }

    const char* findCr() const {
        const void* cr = std::memchr(m_pos, kCr, size_t(m_end - m_pos));
        return cr ? static_cast<const char*>(cr) : m_end;
    }

    void skipLineEnd() {
        if (m_pos < m_end && *m_pos == kCr) {
            ++m_pos;
            if (m_pos < m_end && *m_pos == kLf)
                ++m_pos;
        }
    }

    void skipLine() {
        m_pos = findCr();
        skipLineEnd();
    }

    const char* m_pos;
    const char* m_end;
};

// A grid file of a full test with long texts stays below this; a larger buffer is not kept.
constexpr qsizetype kKeptBufferSize = 4 * 1024 * 1024;

// Like readAll(), into the buffer handed in where the file's size is known and small enough.
QByteArray readWhole(QFile& file, QByteArray buffer) {
    const qint64 size = file.size();
    if (file.isSequential() || size <= 0 || size > kKeptBufferSize)
        return file.readAll();
    buffer.resize(qsizetype(size));
    const qint64 read = file.read(buffer.data(), size);
    buffer.resize(qsizetype(std::max<qint64>(read, 0)));
    return buffer;
}

QString countReason(GridParser::Count result, bool columns) {
    if (result == GridParser::Count::NotANumber)
        return columns ? u"die Spaltenzahl ist keine Zahl"_s : u"die Zeilenzahl ist keine Zahl"_s;
    return columns ? u"die Spaltenzahl ist zu groß (höchstens %1)"_s.arg(kMaxGridColumns)
                   : u"die Zeilenzahl ist zu groß (höchstens %1)"_s.arg(kMaxGridRows);
}

// A damaged file leaves the caller's table untouched: only the counts can be wrong, and they
// are read before the table changes.
bool parseGridFile(const QByteArray& bytes, StringGrid& table, QString* reason) {
    GridParser parser(bytes);
    int columns = 0;
    int rows = 0;
    GridParser::Count result = parser.readCount(kMaxGridColumns, &columns);
    if (result != GridParser::Count::Ok) {
        *reason = countReason(result, true);
        return false;
    }
    result = parser.readCount(kMaxGridRows, &rows);
    if (result != GridParser::Count::Ok) {
        *reason = countReason(result, false);
        return false;
    }
    // Emptied and refilled in place: the answer files of a class go through the same table one
    // after another, which keeps its storage.
    table.clear();
    table.setColCount(columns);
    table.setRowCount(rows);
    for (int col = 0; col < columns; ++col) {
        for (int row = 0; row < rows; ++row) {
            QByteArray line = parser.readLine();
            if (!line.isEmpty())
                table.setCell(col, row, std::move(line));
        }
    }
    return true;
}

} // namespace

QByteArray gridFileBytes(const StringGrid& table) {
    const int columns = table.colCount();
    const int rows = table.rowCount();
    QByteArray out;
    out.reserve(qsizetype(columns) * rows * 8 + 16);
    out.append(QByteArray::number(columns));
    appendLineEnd(out);
    out.append(QByteArray::number(rows));
    appendLineEnd(out);
    for (int col = 0; col < columns; ++col) {
        for (int row = 0; row < rows; ++row) {
            const qsizetype start = out.size();
            out.append(table.cell(col, row));
            for (qsizetype i = start; i < out.size(); ++i) {
                if (out.at(i) == kCr || out.at(i) == kEndOfFile)
                    out[i] = ' ';
            }
            appendLineEnd(out);
        }
    }
    return out;
}

bool WriteGridFile(const StringGrid& table, QIODevice* device, QString* error) {
    if (!device || !device->isWritable()) {
        if (error)
            *error = u"Die Datei ist nicht zum Schreiben geöffnet."_s;
        return false;
    }
    const QByteArray bytes = gridFileBytes(table);
    if (device->write(bytes) != bytes.size()) {
        if (error)
            *error = u"Die Datei konnte nicht geschrieben werden: %1"_s.arg(device->errorString());
        return false;
    }
    // A file device may hold the bytes back; a full disk shows only when they go out.
    if (auto* file = qobject_cast<QFileDevice*>(device); file && !file->flush()) {
        if (error)
            *error = u"Die Datei konnte nicht geschrieben werden: %1"_s.arg(file->errorString());
        return false;
    }
    return true;
}

bool WriteGridFile(const StringGrid& table, const QString& path, QString* error) {
    return saveFileAtomically(path, gridFileBytes(table), error);
}

bool ReadGridFile(StringGrid& table, QIODevice* device, QString* error) {
    if (!device || !device->isReadable()) {
        if (error)
            *error = u"Die Datei ist nicht zum Lesen geöffnet."_s;
        return false;
    }
    const QByteArray bytes = device->readAll();
    if (auto* file = qobject_cast<QFileDevice*>(device);
        file && file->error() != QFileDevice::NoError) {
        if (error)
            *error = u"Die Datei konnte nicht gelesen werden: %1"_s.arg(file->errorString());
        return false;
    }
    QString reason;
    if (!parseGridFile(bytes, table, &reason)) {
        if (error)
            *error = u"Die Datei ist beschädigt oder keine Varelo-Datei: %1."_s.arg(reason);
        return false;
    }
    return true;
}

bool ReadGridFile(StringGrid& table, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (error)
            *error =
                u"Die Datei %1 konnte nicht geöffnet werden: %2"_s.arg(path, file.errorString());
        return false;
    }
    // The answer files of a class are read one after another; one buffer serves them all.
    thread_local QByteArray buffer;
    buffer = readWhole(file, std::move(buffer));
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error =
                u"Die Datei %1 konnte nicht gelesen werden: %2"_s.arg(path, file.errorString());
        return false;
    }
    QString reason;
    const bool parsed = parseGridFile(buffer, table, &reason);
    if (buffer.capacity() > kKeptBufferSize)
        buffer = QByteArray();
    if (!parsed) {
        if (error)
            *error =
                u"Die Datei %1 ist beschädigt oder keine Varelo-Datei: %2."_s.arg(path, reason);
        return false;
    }
    return true;
}
