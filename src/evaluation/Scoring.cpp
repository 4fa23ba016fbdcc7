#include "Scoring.h"

#include "authoring/StringGrid.h"
#include "files/Cp1252.h"
#include "files/TestLayout.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The search stays inside the 200 blocks a saved table can hold.
constexpr int kLastSearchedRow = 1200;

bool rowCounts(const StringGrid& table, int row) {
    const QByteArray answer = table.cell(1, row);
    return !answer.isEmpty() && answer != QByteArrayLiteral(" ") && !table.cell(2, row).isEmpty() &&
           !table.cell(3, row).isEmpty();
}

} // namespace

bool isSingleChoice(const StringGrid& answerTable) {
    return answerTable.cell(4, 0) == kSingleMark;
}

int findEndMarker(const StringGrid& answerTable) {
    for (int row = 1; row <= kLastSearchedRow; ++row) {
        if (answerTable.cell(1, row) == kEndMarker)
            return row;
    }
    return -1;
}

int taskCountOf(const StringGrid& answerTable) {
    const int marker = findEndMarker(answerTable);
    return marker < 0 ? 0 : marker / 6;
}

Score scoreAnswerTable(const StringGrid& answerTable, int taskCount) {
    Score score;
    score.singleChoice = isSingleChoice(answerTable);
    int fullyRight = 0;
    for (int task = 1; task <= taskCount; ++task) {
        int answers = 0;
        int errors = 0;
        int matches = 0;
        for (int row = 6 * task - 5; row <= 6 * task; ++row) {
            if (!rowCounts(answerTable, row))
                continue;
            ++answers;
            if (answerTable.cell(2, row) != answerTable.cell(3, row))
                ++errors;
            else
                ++matches;
        }
        if (matches == answers)
            ++fullyRight;
        // As many errors as matches still earns the matches; points never go negative.
        score.points += errors > matches ? 0 : answers - errors;
        score.maximum += answers;
    }
    if (score.singleChoice) {
        score.points = fullyRight;
        score.maximum = taskCount;
    }
    return score;
}

std::optional<qint64> percentTenThousandths(int points, int maximum) {
    if (maximum == 0)
        return std::nullopt;
    qint64 numerator = qint64(points) * 1000000;
    qint64 denominator = maximum;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

QString percentText(qint64 tenThousandths) {
    const bool negative = tenThousandths < 0;
    const qint64 magnitude = negative ? -tenThousandths : tenThousandths;
    const qint64 hundredths = (magnitude + 50) / 100;
    const QLocale locale;
    QString text;
    if (negative && hundredths != 0)
        text += locale.negativeSign();
    text += QString::number(hundredths / 100);
    text += locale.decimalPoint();
    text += QString::number(hundredths % 100).rightJustified(2, u'0');
    return text;
}

QString noScoreText() {
    return u"keine wertbaren Antworten"_s;
}

QByteArray scoreText(const Score& score) {
    QByteArray text =
        QByteArray::number(score.points) + QByteArrayLiteral(" von ") +
        QByteArray::number(score.maximum) +
        (score.singleChoice ? QByteArrayLiteral(" Aufgaben => ") : QByteArrayLiteral(" Pkt.  => "));
    const std::optional<qint64> percent = percentTenThousandths(score.points, score.maximum);
    if (percent)
        text += Cp1252::fromUnicode(percentText(*percent)) + QByteArrayLiteral("%");
    else
        text += Cp1252::fromUnicode(noScoreText());
    return text;
}
