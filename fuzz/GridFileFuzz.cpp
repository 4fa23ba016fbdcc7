#include "authoring/StringGrid.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

bool sameTable(const StringGrid& a, const StringGrid& b) {
    if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount())
        return false;
    for (int col = 0; col < a.colCount(); ++col) {
        for (int row = 0; row < a.rowCount(); ++row) {
            if (a.cell(col, row) != b.cell(col, row))
                return false;
        }
    }
    return true;
}

bool readFrom(const QByteArray& bytes, StringGrid& table, QString* error) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadGridFile(table, &buffer, error);
}

} // namespace

// Any bytes may arrive as a test or an answer file. Reading must neither crash nor change the
// table on failure, and whatever was read must come back unchanged through our own writer and
// through unscrambling and scrambling.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    StringGrid table(5, 1201);
    table.setCell(1, 1, QByteArray("unangetastet"));
    QString error;
    if (!readFrom(bytes, table, &error)) {
        if (error.isEmpty() || table.colCount() != 5 || table.rowCount() != 1201 ||
            table.cell(1, 1) != QByteArray("unangetastet"))
            std::abort();
        return 0;
    }

    StringGrid again(1, 1);
    if (!readFrom(gridFileBytes(table), again, &error) || !sameTable(table, again))
        std::abort();

    StringGrid plain(table.colCount(), table.rowCount());
    UnscrambleTable(table, plain);
    StringGrid scrambled(table.colCount(), table.rowCount());
    ScrambleTable(plain, scrambled);
    if (!sameTable(table, scrambled))
        std::abort();
    return 0;
}
