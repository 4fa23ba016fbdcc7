#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class StringGrid;

// The on-disk form of a table, shared with the student program: the column count and the row
// count on a line each, then one line per cell, column by column and row by row inside a
// column, every line ending with CR LF. Bytes are stored as they are, nothing is converted.

// Larger tables than these are no files of ours; reading refuses them before allocating.
constexpr int kMaxGridColumns = 16;
constexpr int kMaxGridRows = 100000;

// The bytes WriteGridFile stores. A cell cannot hold a CR or a byte 26 in this format (a reader
// would end the cell there and every later cell would shift), so such a byte is written as a
// blank.
QByteArray gridFileBytes(const StringGrid& table);

// On failure: false, and *error (if given) gets a German text.
bool WriteGridFile(const StringGrid& table, QIODevice* device, QString* error);
// Atomic: a failed save leaves the previous file as it was.
bool WriteGridFile(const StringGrid& table, const QString& path, QString* error);

// The table takes the file's counts and cells. A damaged file changes nothing in the table.
bool ReadGridFile(StringGrid& table, QIODevice* device, QString* error);
bool ReadGridFile(StringGrid& table, const QString& path, QString* error);
