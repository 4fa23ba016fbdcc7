#include "SecondVersion.h"

#include "ScrambleText.h"
#include "SharedRandom.h"
#include "TestLayout.h"
#include "authoring/StringGrid.h"

#include <numeric>
#include <utility>
#include <vector>

namespace {

QByteArray scrambled(const QByteArray& text) {
    return ScrambleText(text, FileKey, ScrambleDirection::Scramble);
}

// Labels follow table order; an empty block or the end mark ends the tasks.
void renumber(StringGrid& table) {
    int row = 1;
    int number = 1;
    do {
        table.setCell(1, row, relabelQuestion(table.cell(1, row), number));
        row += kTaskRows;
        ++number;
    } while (!(table.cell(1, row).isEmpty() && table.cell(2, row).isEmpty()) &&
             table.cell(1, row) != kEndMarker);
}

} // namespace

bool buildSecondVersion(StringGrid& testTable, StringGrid& working, int taskCount,
                        bool singleChoice, quint32 seed) {
    if (taskCount < 1)
        return false;
    working.clear();

    SharedRandom::seed(seed);
    std::vector<int> order(size_t(taskCount) + 1);
    std::iota(order.begin(), order.end(), 0);
    int outRow = 1;
    for (int place = 1; place <= taskCount; ++place) {
        // Each draw after the first continues from the state the last ScrambleText left.
        const int pick = place + int(SharedRandom::below(quint32(taskCount + 1 - place)));
        std::swap(order[size_t(place)], order[size_t(pick)]);
        const int firstRow = kTaskRows * order[size_t(place)] - (kTaskRows - 1);
        for (int k = 0; k < kTaskRows; ++k) {
            for (int col = 0; col < kTestColumns; ++col)
                working.setCell(col, outRow + k, scrambled(testTable.cell(col, firstRow + k)));
        }
        outRow += kTaskRows;
    }
    working.setCell(1, outRow, scrambled(QByteArray(kEndMarker)));
    working.setCell(0, 3, scrambled(QByteArray(kColourRed)));
    working.setCell(4, 0, singleChoice ? scrambled(QByteArray(kSingleMark)) : QByteArray());

    UnscrambleTable(working, testTable);
    renumber(testTable);
    return true;
}
