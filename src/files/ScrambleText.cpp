#include "ScrambleText.h"

#include "SharedRandom.h"
#include "authoring/StringGrid.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kFirst = 32; // ' '
constexpr int kLast = 122; // 'z'
constexpr int kSpan = kLast - kFirst + 1;
// One short of the span: no byte is ever shifted by 90. The student program draws alike.
constexpr quint32 kDrawLimit = 90;

// Every text starts the generator at the key, so the n-th byte that draws gets the same value
// in every text. The first draws of a key are kept, each with the generator's state after it:
// a class's answer files are thousands of short cells, and a generator step per byte was most
// of the time of reading them. Longer texts go on drawing from the generator.
class Draws {
public:
    static constexpr qsizetype kKept = 4096;

    static const Draws& forKey(quint32 key) {
        // Like SharedRandom itself, meant for the one thread that scrambles.
        static Draws draws;
        if (!draws.m_ready || draws.m_key != key) {
            SharedRandom::seed(key);
            for (qsizetype i = 0; i < kKept; ++i) {
                draws.m_shift[i] = quint8(SharedRandom::below(kDrawLimit));
                draws.m_state[i] = SharedRandom::state();
            }
            draws.m_key = key;
            draws.m_ready = true;
        }
        return draws;
    }

    int shift(qsizetype n) const { return m_shift[n]; }
    // The generator's state after n draws.
    quint32 stateAfter(qsizetype n) const { return n == 0 ? m_key : m_state[n - 1]; }

private:
    bool m_ready = false;
    quint32 m_key = 0;
    quint8 m_shift[kKept] = {};
    quint32 m_state[kKept] = {};
};

// Writes the shifted bytes of [in, in + size) to out, which may be in itself. Returns the
// generator's state as if it had been seeded with key and drawn once per shifted byte; the
// generator itself is only used for texts longer than the kept draws.
quint32 shift(const char* in, qsizetype size, char* out, quint32 key, ScrambleDirection direction) {
    const Draws& kept = Draws::forKey(key);
    const bool scramble = direction == ScrambleDirection::Scramble;
    qsizetype drawn = 0;
    for (qsizetype i = 0; i < size; ++i) {
        int c = static_cast<unsigned char>(in[i]);
        if (c >= kFirst && c <= kLast) {
            int r;
            if (drawn < Draws::kKept) {
                r = kept.shift(drawn);
            } else {
                if (drawn == Draws::kKept)
                    SharedRandom::seed(kept.stateAfter(drawn));
                r = int(SharedRandom::below(kDrawLimit));
            }
            ++drawn;
            if (scramble) {
                c -= r;
                if (c < kFirst)
                    c += kSpan;
            } else {
                c += r;
                if (c > kLast)
                    c -= kSpan;
            }
        }
        out[i] = char(c);
    }
    return drawn <= Draws::kKept ? kept.stateAfter(drawn) : SharedRandom::state();
}

} // namespace

QByteArray ScrambleText(const QByteArray& text, int key, ScrambleDirection direction) {
    if (text.isEmpty()) {
        SharedRandom::seed(quint32(key));
        return text;
    }
    // Written straight into a buffer of its own: a copy of the text first would only be
    // overwritten.
    QByteArray result(text.size(), Qt::Uninitialized);
    SharedRandom::seed(
        shift(text.constData(), text.size(), result.data(), quint32(key), direction));
    return result;
}

// The tables scramble cell by cell, each from the key; the generator ends as the last cell
// leaves it.

void ScrambleTable(const StringGrid& plain, StringGrid& scrambled) {
    quint32 state = quint32(FileKey);
    for (int col = 0; col < scrambled.colCount(); ++col) {
        for (int row = 0; row < scrambled.rowCount(); ++row) {
            const QByteArray& cell = plain.cellRef(col, row);
            if (cell.isEmpty()) {
                state = quint32(FileKey);
                if (!scrambled.cellRef(col, row).isEmpty())
                    scrambled.setCell(col, row, QByteArray());
                continue;
            }
            // A CR or Ctrl-Z would end the cell's line in the file. The blank takes its place
            // before scrambling, so that it draws like any blank and the rest of the cell
            // comes back exactly.
            QByteArray text(cell.size(), Qt::Uninitialized);
            char* bytes = text.data();
            for (qsizetype i = 0; i < cell.size(); ++i) {
                const char c = cell.at(i);
                bytes[i] = c == '\r' || c == '\x1a' ? ' ' : c;
            }
            state = shift(bytes, text.size(), bytes, quint32(FileKey), ScrambleDirection::Scramble);
            scrambled.setCell(col, row, std::move(text));
        }
    }
    SharedRandom::seed(state);
}

void UnscrambleTable(const StringGrid& scrambled, StringGrid& plain) {
    // From the rows in use of both tables on, every cell is empty and stays so.
    const int rows =
        std::min(scrambled.rowCount(), std::max(scrambled.rowsInUse(), plain.rowsInUse()));
    // The last cell is empty when its row is not walked; it leaves the generator at the key.
    quint32 state = quint32(FileKey);
    for (int col = 0; col < scrambled.colCount(); ++col) {
        for (int row = 0; row < rows; ++row) {
            const QByteArray& cell = scrambled.cellRef(col, row);
            if (cell.isEmpty()) {
                state = quint32(FileKey);
                // Most cells are empty on both sides.
                if (!plain.cellRef(col, row).isEmpty())
                    plain.setCell(col, row, QByteArray());
                continue;
            }
            QByteArray text(cell.size(), Qt::Uninitialized);
            state = shift(cell.constData(), cell.size(), text.data(), quint32(FileKey),
                          ScrambleDirection::Unscramble);
            plain.setCell(col, row, std::move(text));
        }
    }
    SharedRandom::seed(rows == scrambled.rowCount() ? state : quint32(FileKey));
}
