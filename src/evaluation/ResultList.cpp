#include "ResultList.h"

#include "EvaluationFolder.h"
#include "GradeKey.h"
#include "HtmlTable.h"
#include "authoring/StringGrid.h"
#include "files/Cp1252.h"
#include "files/SaveFile.h"

namespace {

// The result table's view: its width; every column is 200 wide, written with a blank.
constexpr int kTableWidth = 700;
constexpr char kColumnWidth[] = " 200";

void headCell(HtmlLines& list, const char* width, QByteArrayView text, const char* end) {
    list << "<td width=\"" << width
         << "\" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
            "face=\"MS Sans Serif\"><b>"
         << text << "</b></font></div></td>" << end;
    list.endLine();
}

// The grade key as the list prints it.
class KeyLines {
public:
    explicit KeyLines(const GradeKeyFields& key)
        : m_key(key) {}

    QByteArray text(int field) const { return Cp1252::fromUnicode(m_key.gradeTexts[field - 1]); }
    QByteArray threshold(int field) const {
        return Cp1252::fromUnicode(m_key.thresholds[field - 1]);
    }
    void from(HtmlLines& lines, const char* begin, int field, const char* end) const {
        lines << begin << text(field) << " ab " << threshold(field) << end;
        lines.endLine();
    }

    // The five lines every form but "Sek. II" begins with.
    void firstFive(HtmlLines& lines) const {
        from(lines, "<tr>  <td>", 1, " %</td>");
        from(lines, "  <td>", 2, " %</td>");
        from(lines, "  <td>", 3, " %</td></tr>");
        from(lines, "  <tr> <td>", 4, " %</td>");
        from(lines, "  <td>", 5, " %</td>");
    }

    // The forms are tried in this order, so an emptied seventh field prints six grades even
    // under "Sek. II".
    void write(HtmlLines& lines) const {
        if (m_key.thresholds[6].isEmpty()) {
            firstFive(lines);
            lines << "  <td>" << text(6) << " unter " << threshold(5) << " %</td></tr>";
            lines.endLine();
        } else if (m_key.thresholds[7].isEmpty()) {
            firstFive(lines);
            from(lines, "  <td>", 6, " %</td></tr>");
            lines << "  <tr> <td>" << text(7) << " unter " << threshold(6) << " %</td>";
            lines.endLine();
        } else if (m_key.sekII) {
            for (int field = 1; field <= 15; ++field) {
                const int place = (field - 1) % 3;
                const char* begin = place != 0   ? "  <td>"
                                    : field == 1 ? "<tr>  <td>"
                                                 : "  <tr> <td>";
                from(lines, begin, field, place == 2 ? " %</td></tr>" : " %</td>");
            }
            lines << "  <tr> <td>0 Pkt unter " << threshold(15) << " %</td>";
            lines.endLine();
        } else {
            firstFive(lines);
            from(lines, "  <td>", 6, " %</td></tr>");
            from(lines, "  <tr> <td>", 7, " %</td>");
            lines << "  <td> unter " << threshold(7) << " %: " << text(8) << " </td></tr>";
            lines.endLine();
        }
    }

private:
    const GradeKeyFields& m_key;
};

} // namespace

QByteArray resultList(const StringGrid& resultTable, const GradeKeyFields& key,
                      const QDate& today) {
    int lastRow = resultTable.rowCount() - 1;
    while (lastRow >= 0 && resultTable.cellRef(1, lastRow).isEmpty() &&
           resultTable.cellRef(2, lastRow).isEmpty())
        --lastRow;

    const QByteArray cellStart = htmlCellStart(kColumnWidth, "center");
    qsizetype expectedSize = 4096;
    for (int row = 0; row <= lastRow; ++row) {
        expectedSize += 3 * (cellStart.size() + 24) + 8;
        for (int col = 0; col < 3; ++col)
            expectedSize += resultTable.cellRef(col, row).size();
    }

    HtmlLines list(expectedSize);
    list.line("<html>");
    list.line("<body>");
    list.tableLine(kTableWidth);
    list.line("  <tr>");
    headCell(list, "220", Cp1252::fromUnicode(shortDate(today)) + QByteArrayLiteral(",  Name: "),
             " ");
    headCell(list, "100", "Ergebnis", " ");
    headCell(list, "80", "Note", "");
    list.line("  </tr>");

    for (int row = 0; row <= lastRow; ++row) {
        list.line("  <tr>");
        list.escapedCellLine(cellStart, resultTable.cellRef(0, row));
        list.cellLine(cellStart, resultTable.cellRef(1, row));
        list.cellLine(cellStart, resultTable.cellRef(2, row));
    }

    KeyLines(key).write(list);
    list.line("  </tr>");
    list.line("  </table>");
    list.line("</body>");
    list.line("</html>");
    return list.take();
}

bool saveResultList(const QString& fileName, const StringGrid& resultTable,
                    const GradeKeyFields& key, const QDate& today, QString* error) {
    return saveFileAtomically(fileName, resultList(resultTable, key, today), error);
}
