#pragma once

#include "authoring/StringGrid.h"
#include "files/GridFile.h"
#include "files/ScrambleText.h"

#include <QFile>
#include <QString>

// Files as the program and the student program write them, for the tests' fixtures.

// Scrambles plain and writes it as a grid file with plain's counts.
inline bool writeScrambledFile(const QString& path, const StringGrid& plain, QString* error) {
    StringGrid scrambled(plain.colCount(), plain.rowCount());
    ScrambleTable(plain, scrambled);
    return WriteGridFile(scrambled, path, error);
}

// The plain table of a grid file, with the file's counts.
inline StringGrid readScrambledFile(const QString& path) {
    StringGrid scrambled(1, 1);
    QString error;
    if (!ReadGridFile(scrambled, path, &error))
        qWarning("%s", qPrintable(error));
    StringGrid plain(scrambled.colCount(), scrambled.rowCount());
    UnscrambleTable(scrambled, plain);
    return plain;
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "" when both tables hold the same cells in the five columns of rows 0 .. rows - 1.
inline QString firstDifference(const StringGrid& a, const StringGrid& b, int rows = 1201) {
    for (int col = 0; col < 5; ++col) {
        for (int row = 0; row < rows; ++row) {
            if (a.cell(col, row) != b.cell(col, row))
                return QStringLiteral("(%1, %2): \"%3\" / \"%4\"")
                    .arg(col)
                    .arg(row)
                    .arg(QString::fromLatin1(a.cell(col, row)),
                         QString::fromLatin1(b.cell(col, row)));
        }
    }
    return {};
}
