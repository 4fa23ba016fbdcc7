#include "FeedbackPage.h"

#include "HtmlTable.h"
#include "Scoring.h"
#include "authoring/StringGrid.h"
#include "files/Cp1252.h"
#include "files/SaveFile.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The worker window's table view: width and the widths of the columns 1, 2, 3.
constexpr int kTableWidth = 673;
constexpr int kColumnWidths[3] = {347, 73, 66};

// The page covers the rows the student module writes.
constexpr int kPageRowCount = 1200;

// A page of a full table with long texts stays below this; anything larger is not kept.
constexpr qsizetype kKeptBufferSize = 4 * 1024 * 1024;

// The centred bold cells above and below the table; width is written as it is.
void centredBold(HtmlLines& page, QByteArrayView width) {
    page << "<td width=" << width
         << " height=\"20\"><div align=\"center\"><font color=\"#000000\" "
            "face=\"MS Sans Serif\"><b>";
}

void centredBoldEnd(HtmlLines& page) {
    page.line("</b></font></div></td> ");
}

bool rowIsEmpty(const StringGrid& table, int row) {
    return table.cellRef(1, row).isEmpty() && table.cellRef(2, row).isEmpty() &&
           table.cellRef(3, row).isEmpty();
}

QByteArray writeFeedbackPage(const StringGrid& answerTable, const FeedbackInfo& info,
                             QByteArray buffer) {
    // Cut like the grid itself would be when set to 1200 rows: nothing beyond row 1199 (not
    // even cells written past the extent) reaches the page, nor anything at or past the
    // table's own row count.
    const int rowCount = std::min(answerTable.rowCount(), kPageRowCount);
    int lastRow = std::min(rowCount, std::max(1, answerTable.rowsInUse())) - 1;
    // Row 0 stays: the grid never has fewer than one row.
    while (lastRow > 0 && rowIsEmpty(answerTable, lastRow))
        --lastRow;

    QByteArray cellStarts[3];
    qsizetype expectedSize = 2048;
    for (int col = 1; col <= 3; ++col) {
        cellStarts[col - 1] = htmlCellStart(QByteArray::number(kColumnWidths[col - 1]), "left");
        expectedSize += qsizetype(lastRow + 1) * (cellStarts[col - 1].size() + 32);
        for (int row = 0; row <= lastRow; ++row)
            expectedSize += answerTable.cellRef(col, row).size();
    }
    expectedSize += qsizetype(lastRow + 1) * 18;

    HtmlLines page(expectedSize, std::move(buffer));
    page.line("<html>");
    page.line("<body>");
    page.tableLine(kTableWidth);
    page.line("  <tr>");
    centredBold(page, "80%");
    page << (info.singleChoice ? QByteArrayView(" Jede richtig beantwortete Aufgabe ergibt einen "
                                                "Punkt. ")
                               : QByteArrayView(" Wenn die \"Deine Wahl\"-Spalte und die "
                                                "\"Richtig\"-Spalte nicht gleich sind, gibt es "
                                                "einen Fehlerpunkt! "));
    centredBoldEnd(page);
    centredBold(page, "10%");
    page << " Deine Wahl: ";
    centredBoldEnd(page);
    page.line("<td width=10% height=\"20\"><div align=\"center\"><font color=\"#000000\" "
              "face=\"MS Sans Serif\"><b>Richtig:</b></font></div></td>");
    page.line("  </tr>");

    for (int row = 0; row <= lastRow; ++row) {
        // A choice that is not the solution marks the whole row.
        const bool wrong = answerTable.cellRef(2, row) != answerTable.cellRef(3, row);
        page.line("  <tr>");
        for (int col = 1; col <= 3; ++col)
            page.escapedCellLine(cellStarts[col - 1], answerTable.cellRef(col, row), wrong);
        page.line("  </tr>");
    }

    centredBold(page, "\"400\"");
    page << " ";
    page.escaped(Cp1252::fromUnicode(info.studentName)) << " hat ";
    page.number(info.points) << " von ";
    page.number(info.maximum) << (info.singleChoice ? QByteArrayView(" Aufgaben richtig. ==> ")
                                                    : QByteArrayView(" Punkten ==> "));
    if (info.percent)
        page << Cp1252::fromUnicode(percentText(*info.percent)) << "%.";
    else
        page << Cp1252::fromUnicode(noScoreText()) << ".";
    centredBoldEnd(page);

    centredBold(page, "\"80\"");
    page << " Note: ";
    centredBoldEnd(page);
    centredBold(page, "\"80\"");
    page << Cp1252::fromUnicode(info.gradeText) << "   ";
    centredBoldEnd(page);
    page.line("  </table>");
    page.line("</body>");
    page.line("</html>");
    return page.take();
}

} // namespace

QString feedbackFileName(const QString& studentName) {
    return u"feedback_"_s + studentName + u".html"_s;
}

QByteArray feedbackPage(const StringGrid& answerTable, const FeedbackInfo& info) {
    return writeFeedbackPage(answerTable, info, QByteArray());
}

bool saveFeedbackPage(const QString& fileName, const StringGrid& answerTable,
                      const FeedbackInfo& info, QString* error) {
    // An evaluation writes a page for every student of a class; one buffer serves them all,
    // where a new one of this size would be fetched from the system and given back each time.
    thread_local QByteArray buffer;
    buffer = writeFeedbackPage(answerTable, info, std::move(buffer));
    // Pages are new files in a run's new folder and replace nothing; the run does not wait for
    // the disk once per student.
    const bool saved = saveFileAtomically(fileName, buffer, error, SaveDurability::NoSync);
    if (buffer.capacity() > kKeptBufferSize)
        buffer = QByteArray();
    return saved;
}
