#include "ScrambleText.h"

#include "SharedRandom.h"
#include "authoring/StringGrid.h"

namespace {
constexpr int kFirst = 32; // ' '
constexpr int kLast = 122; // 'z'
constexpr int kSpan = kLast - kFirst + 1;
// One short of the span: no byte is ever shifted by 90. The student program draws alike.
constexpr quint32 kDrawLimit = 90;
} // namespace

QByteArray ScrambleText(const QByteArray& text, int key, ScrambleDirection direction) {
    SharedRandom::seed(quint32(key));
    if (text.isEmpty())
        return text;
    QByteArray result = text;
    char* bytes = result.data();
    const qsizetype size = result.size();
    for (qsizetype i = 0; i < size; ++i) {
        int c = static_cast<unsigned char>(bytes[i]);
        if (c < kFirst || c > kLast)
            continue;
        const int r = int(SharedRandom::below(kDrawLimit));
        if (direction == ScrambleDirection::Scramble) {
            c -= r;
            if (c < kFirst)
                c += kSpan;
        } else {
            c += r;
            if (c > kLast)
                c -= kSpan;
        }
        bytes[i] = char(c);
    }
    return result;
}

void ScrambleTable(const StringGrid& plain, StringGrid& scrambled) {
    for (int col = 0; col < scrambled.colCount(); ++col) {
        for (int row = 0; row < scrambled.rowCount(); ++row) {
            QByteArray text = plain.cell(col, row);
            // A CR or Ctrl-Z would end the cell's line in the file. The blank takes its place
            // before scrambling, so that it draws like any blank and the rest of the cell
            // comes back exactly.
            text.replace('\r', ' ').replace('\x1a', ' ');
            scrambled.setCell(col, row, ScrambleText(text, FileKey, ScrambleDirection::Scramble));
        }
    }
}

void UnscrambleTable(const StringGrid& scrambled, StringGrid& plain) {
    for (int col = 0; col < scrambled.colCount(); ++col) {
        for (int row = 0; row < scrambled.rowCount(); ++row)
            plain.setCell(
                col, row,
                ScrambleText(scrambled.cell(col, row), FileKey, ScrambleDirection::Unscramble));
    }
}
