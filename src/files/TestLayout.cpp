#include "TestLayout.h"

#include "authoring/StringGrid.h"

int countTasks(const StringGrid& table) {
    // Cells beyond the row count read empty, so the walk ends behind the last written row.
    int row = 2;
    while (!table.cell(1, row).isEmpty() || !table.cell(2, row).isEmpty())
        ++row;
    return (row - 2) / kTaskRows;
}

QByteArray relabelQuestion(const QByteArray& question, int number) {
    const qsizetype colon = question.indexOf(':');
    const QByteArray rest = colon < 0 ? question : question.mid(colon + 1);
    return QByteArray(kLabelPrefix) + QByteArray::number(number) + ':' + rest;
}
