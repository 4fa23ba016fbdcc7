#include "StringGrid.h"

#include <algorithm>
#include <utility>

const QByteArray StringGrid::s_emptyCell;

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows)
    : m_colCount(std::max(1, colCount))
    , m_rowCount(std::max(1, rowCount))
    , m_fixedRows(fixedRows)
    , m_columns(m_colCount, std::vector<QByteArray>(m_rowCount)) {}

void StringGrid::setColCount(int count) {
    m_colCount = std::max(1, count);
    m_columns.resize(m_colCount, std::vector<QByteArray>(m_rowCount));
}

void StringGrid::setRowCount(int count) {
    count = std::max(1, count);
    // Rows that leave the table and rows that join it are empty; cells written beyond the old
    // extent outside that range stay where they are.
    const int first = std::min(count, m_rowCount);
    const int last = std::max(count, m_rowCount);
    for (auto& column : m_columns) {
        if (int(column.size()) < count)
            column.resize(count);
        std::fill(column.begin() + first, column.begin() + std::min<int>(last, int(column.size())),
                  QByteArray());
    }
    m_rowCount = count;
}

QByteArray* StringGrid::cellSlot(int col, int row, bool empty) {
    if (col < 0 || col >= m_colCount || row < 0)
        return nullptr;
    auto& column = m_columns[col];
    if (row >= int(column.size())) {
        if (empty)
            return nullptr;
        column.resize(row + 1);
    }
    if (!empty)
        m_rowsInUse = std::max(m_rowsInUse, row + 1);
    return &column[row];
}

void StringGrid::setCell(int col, int row, const QByteArray& text) {
    if (QByteArray* slot = cellSlot(col, row, text.isEmpty()))
        *slot = text;
}

void StringGrid::setCell(int col, int row, QByteArray&& text) {
    if (QByteArray* slot = cellSlot(col, row, text.isEmpty()))
        *slot = std::move(text);
}

void StringGrid::insertRow(int index) {
    index = std::max(index, std::max(1, m_fixedRows));
    const int oldCount = m_rowCount;
    setRowCount(oldCount + 1);
    if (index >= oldCount)
        return;
    for (auto& column : m_columns)
        std::rotate(column.begin() + index, column.begin() + oldCount,
                    column.begin() + oldCount + 1);
    // The last row in use may have moved down by one.
    if (m_rowsInUse > index)
        ++m_rowsInUse;
}

void StringGrid::deleteRow(int index) {
    if (index < 0 || index >= m_rowCount)
        return;
    for (auto& column : m_columns) {
        std::move(column.begin() + index + 1, column.begin() + m_rowCount, column.begin() + index);
        column[m_rowCount - 1].clear();
    }
    setRowCount(m_rowCount - 1);
}

void StringGrid::clearRow(int row) {
    for (auto& column : m_columns) {
        if (row >= 0 && row < int(column.size()))
            column[row].clear();
    }
}

void StringGrid::clear() {
    for (auto& column : m_columns) {
        // Cells written beyond the extent go; the column keeps its storage.
        if (int(column.size()) > m_rowCount)
            column.resize(m_rowCount);
        const int end = std::min(m_rowsInUse, int(column.size()));
        for (int row = 0; row < end; ++row)
            column[row].clear();
    }
    m_rowsInUse = 0;
}
