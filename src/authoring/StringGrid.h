#pragma once

#include <QByteArray>
#include <vector>

// A table of Windows-1252 byte strings addressed (column, row) from 0.
// Cells beyond rowCount() can be read (they read empty) and written; a written one is kept.
class StringGrid {
public:
    StringGrid(int colCount, int rowCount, int fixedRows = 1);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    int fixedRows() const { return m_fixedRows; }

    // The column count is raised to at least 1, like the row count.
    void setColCount(int count);
    // Larger: empty rows are added at the end. Smaller: the last rows are dropped with their
    // contents. Cells written beyond both extents are kept.
    void setRowCount(int count);

    QByteArray cell(int col, int row) const { return cellRef(col, row); }
    // The cell without a copy, for loops over a whole table; the reference holds until the
    // table changes.
    const QByteArray& cellRef(int col, int row) const {
        if (col < 0 || col >= m_colCount || row < 0)
            return s_emptyCell;
        const auto& column = m_columns[col];
        return row < int(column.size()) ? column[row] : s_emptyCell;
    }
    void setCell(int col, int row, const QByteArray& text);
    void setCell(int col, int row, QByteArray&& text);

    // Every row from this one on is empty in every column, beyond the extent too; loops over
    // a large, mostly empty table may stop here. It may stand above the last row with text.
    int rowsInUse() const { return m_rowsInUse; }

    // One empty row at index (never above the fixed rows); the rows below move down by one.
    void insertRow(int index);
    // Every row from index to rowCount() - 2 takes the row below it; the count shrinks by one.
    void deleteRow(int index);
    void clearRow(int row);
    // Every cell empty, the counts stay.
    void clear();

private:
    QByteArray* cellSlot(int col, int row, bool empty);

    static const QByteArray s_emptyCell;

    int m_colCount;
    int m_rowCount;
    int m_fixedRows;
    // See rowsInUse(). The worker window empties and fills its tables for each answer file of
    // a class; with this, clear() walks only the rows that were used.
    int m_rowsInUse = 0;
    // Column-major; each column holds at least m_rowCount entries and may hold more
    // (cells written beyond the extent).
    std::vector<std::vector<QByteArray>> m_columns;
};
