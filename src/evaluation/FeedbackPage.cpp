#include "FeedbackPage.h"

#include "HtmlTable.h"
#include "Scoring.h"
#include "authoring/StringGrid.h"
#include "files/Cp1252.h"
#include "files/SaveFile.h"

using namespace Qt::StringLiterals;

namespace {

// The worker window's table view: width and the widths of the columns 1, 2, 3.
constexpr int kTableWidth = 673;
constexpr int kColumnWidths[3] = {347, 73, 66};

// The page covers the rows the student module writes.
constexpr int kPageRowCount = 1200;

const char kCellSuffix[] = "</b></font></div></td> ";

QByteArray centredBold(const char* width, const QByteArray& text) {
    return QByteArrayLiteral("<td width=") + QByteArray(width) +
           QByteArrayLiteral(" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
                             "face=\"MS Sans Serif\"><b>") +
           text + QByteArray(kCellSuffix);
}

bool rowIsEmpty(const StringGrid& table, int row) {
    return table.cell(1, row).isEmpty() && table.cell(2, row).isEmpty() &&
           table.cell(3, row).isEmpty();
}

} // namespace

QString feedbackFileName(const QString& studentName) {
    return u"feedback_"_s + studentName + u".html"_s;
}

QByteArray feedbackPage(const StringGrid& answerTable, const FeedbackInfo& info) {
    // Cut like the grid itself would be: a copy set to 1200 rows, so nothing beyond row 1199
    // (not even cells written past the extent) reaches the page.
    StringGrid table = answerTable;
    table.setRowCount(kPageRowCount);
    int lastRow = table.rowCount() - 1;
    // Row 0 stays: the grid never has fewer than one row.
    while (lastRow > 0 && rowIsEmpty(table, lastRow))
        --lastRow;

    QByteArrayList lines;
    lines << QByteArrayLiteral("<html>") << QByteArrayLiteral("<body>")
          << htmlTableLine(kTableWidth) << QByteArrayLiteral("  <tr>");
    lines << centredBold("80%", info.singleChoice
                                    ? QByteArrayLiteral(" Jede richtig beantwortete Aufgabe "
                                                        "ergibt einen Punkt. ")
                                    : QByteArrayLiteral(" Wenn die \"Deine Wahl\"-Spalte und die "
                                                        "\"Richtig\"-Spalte nicht gleich sind, "
                                                        "gibt es einen Fehlerpunkt! "));
    lines << centredBold("10%", QByteArrayLiteral(" Deine Wahl: "));
    lines << QByteArrayLiteral("<td width=10% height=\"20\"><div align=\"center\"><font "
                               "color=\"#000000\" face=\"MS Sans "
                               "Serif\"><b>Richtig:</b></font></div></td>");
    lines << QByteArrayLiteral("  </tr>");

    for (int row = 0; row <= lastRow; ++row) {
        // A choice that is not the solution marks the whole row.
        const bool wrong = table.cell(2, row) != table.cell(3, row);
        lines << QByteArrayLiteral("  <tr>");
        for (int col = 1; col <= 3; ++col) {
            lines << htmlCellLine(QByteArray::number(kColumnWidths[col - 1]), "left",
                                  htmlEscaped(table.cell(col, row)), wrong);
        }
        lines << QByteArrayLiteral("  </tr>");
    }

    QByteArray score = QByteArrayLiteral(" ") + htmlEscaped(Cp1252::fromUnicode(info.studentName)) +
                       QByteArrayLiteral(" hat ") + QByteArray::number(info.points) +
                       QByteArrayLiteral(" von ") + QByteArray::number(info.maximum) +
                       (info.singleChoice ? QByteArrayLiteral(" Aufgaben richtig. ==> ")
                                          : QByteArrayLiteral(" Punkten ==> "));
    if (info.percent)
        score += Cp1252::fromUnicode(percentText(*info.percent)) + QByteArrayLiteral("%.");
    else
        score += Cp1252::fromUnicode(noScoreText()) + QByteArrayLiteral(".");
    lines << centredBold("\"400\"", score);

    lines << centredBold("\"80\"", QByteArrayLiteral(" Note: "));
    lines << centredBold("\"80\"", Cp1252::fromUnicode(info.gradeText) + QByteArrayLiteral("   "));
    lines << QByteArrayLiteral("  </table>") << QByteArrayLiteral("</body>")
          << QByteArrayLiteral("</html>");
    return htmlDocument(lines);
}

bool saveFeedbackPage(const QString& fileName, const StringGrid& answerTable,
                      const FeedbackInfo& info, QString* error) {
    return saveFileAtomically(fileName, feedbackPage(answerTable, info), error);
}
