#pragma once

#include <QDate>
#include <QString>

// The date as the result list shows it and the evaluation folder is named: QLocale()'s short
// date format, but always with a four-digit year (dd.MM.yyyy on a German desktop).
QString shortDate(const QDate& date);

// "Auswertung " + n + " vom " + the short date. Separators a folder name cannot hold
// ("/" and "\" in some locales' dates) become "-".
QString evaluationFolderName(int n, const QDate& date);

// The first n >= 1 whose evaluation folder of that date does not exist in workFolder, so a
// run never writes into an earlier run's folder.
int nextEvaluationNumber(const QString& workFolder, const QDate& date);
