#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class StringGrid;

// Points of one answer file. In single-choice mode points are the fully right tasks and the
// maximum is the number of tasks.
struct Score {
    int points = 0;
    int maximum = 0;
    bool singleChoice = false;
};

// (4, 0) is "Single".
bool isSingleChoice(const StringGrid& answerTable);

// The first row r >= 1 whose (1, r) is "Testende!", searching rows 1 to 1200 whatever the
// table's extent; -1 when a damaged or unreadable file has none.
int findEndMarker(const StringGrid& answerTable);

// The tasks above the end marker (marker row div 6); 0 without a marker, so such a file is
// scored as empty.
int taskCountOf(const StringGrid& answerTable);

// Scores tasks 1 .. taskCount of an unscrambled answer table; task k is rows 6k-5 .. 6k.
Score scoreAnswerTable(const StringGrid& answerTable, int taskCount);

// points / maximum * 100 with four decimals, as an integer count of ten-thousandths: the
// nearest one, an exact half going to the even one. Empty for maximum 0, where no
// percentage exists.
std::optional<qint64> percentTenThousandths(int points, int maximum);

// The percentage as shown: two decimals rounded half away from zero, with the decimal
// separator of QLocale() ("66,67" for 666667 on a German desktop).
QString percentText(qint64 tenThousandths);

// Shown instead of a percentage when the maximum is 0.
QString noScoreText();

// "7 von 10 Pkt.  => 70,00%" or "7 von 10 Aufgaben => 70,00%"; with maximum 0
// "0 von 0 Pkt.  => keine wertbaren Antworten".
QByteArray scoreText(const Score& score);
