#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class StringGrid;
struct GradeKeyFields;

// The result list of a run: one row per student (name, score text, grade), then the grade
// key that was applied. Rows at the end whose columns 1 and 2 are empty are left out; an
// empty table gives no data rows. Names come from students' files and are escaped; score
// and grade texts and the key's fields are written as they are.
QByteArray resultList(const StringGrid& resultTable, const GradeKeyFields& key, const QDate& today);

// The list saved under fileName; false and a German text in *error when that fails.
bool saveResultList(const QString& fileName, const StringGrid& resultTable,
                    const GradeKeyFields& key, const QDate& today, QString* error);
