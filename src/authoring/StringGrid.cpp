#include "StringGrid.h"

#include <algorithm>

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

QByteArray StringGrid::cell(int col, int row) const {
    if (col < 0 || col >= m_colCount || row < 0)
        return {};
    const auto& column = m_columns[col];
    return row < int(column.size()) ? column[row] : QByteArray();
}

void StringGrid::setCell(int col, int row, const QByteArray& text) {
    if (col < 0 || col >= m_colCount || row < 0)
        return;
    auto& column = m_columns[col];
    if (row >= int(column.size())) {
        if (text.isEmpty())
            return;
        column.resize(row + 1);
    }
    column[row] = text;
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
        column.assign(m_rowCount, QByteArray());
    }
}
