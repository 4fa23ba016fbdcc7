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

QByteArray headCell(const char* width, const QByteArray& text, const char* end) {
    return QByteArrayLiteral("<td width=\"") + QByteArray(width) +
           QByteArrayLiteral("\" height=\"20\"><div align=\"center\"><font color=\"#000000\" "
                             "face=\"MS Sans Serif\"><b>") +
           text + QByteArrayLiteral("</b></font></div></td>") + QByteArray(end);
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
    QByteArray from(const char* begin, int field, const char* end) const {
        return QByteArray(begin) + text(field) + QByteArrayLiteral(" ab ") + threshold(field) +
               QByteArray(end);
    }

    // The five lines every form but "Sek. II" begins with.
    void firstFive(QByteArrayList& lines) const {
        lines << from("<tr>  <td>", 1, " %</td>") << from("  <td>", 2, " %</td>")
              << from("  <td>", 3, " %</td></tr>") << from("  <tr> <td>", 4, " %</td>")
              << from("  <td>", 5, " %</td>");
    }

    // The forms are tried in this order, so an emptied seventh field prints six grades even
    // under "Sek. II".
    void write(QByteArrayList& lines) const {
        if (m_key.thresholds[6].isEmpty()) {
            firstFive(lines);
            lines << QByteArrayLiteral("  <td>") + text(6) + QByteArrayLiteral(" unter ") +
                         threshold(5) + QByteArrayLiteral(" %</td></tr>");
        } else if (m_key.thresholds[7].isEmpty()) {
            firstFive(lines);
            lines << from("  <td>", 6, " %</td></tr>");
            lines << QByteArrayLiteral("  <tr> <td>") + text(7) + QByteArrayLiteral(" unter ") +
                         threshold(6) + QByteArrayLiteral(" %</td>");
        } else if (m_key.sekII) {
            for (int field = 1; field <= 15; ++field) {
                const int place = (field - 1) % 3;
                const char* begin = place != 0   ? "  <td>"
                                    : field == 1 ? "<tr>  <td>"
                                                 : "  <tr> <td>";
                lines << from(begin, field, place == 2 ? " %</td></tr>" : " %</td>");
            }
            lines << QByteArrayLiteral("  <tr> <td>0 Pkt unter ") + threshold(15) +
                         QByteArrayLiteral(" %</td>");
        } else {
            firstFive(lines);
            lines << from("  <td>", 6, " %</td></tr>") << from("  <tr> <td>", 7, " %</td>");
            lines << QByteArrayLiteral("  <td> unter ") + threshold(7) + QByteArrayLiteral(" %: ") +
                         text(8) + QByteArrayLiteral(" </td></tr>");
        }
    }

private:
    const GradeKeyFields& m_key;
};

} // namespace

QByteArray resultList(const StringGrid& resultTable, const GradeKeyFields& key,
                      const QDate& today) {
    int lastRow = resultTable.rowCount() - 1;
    while (lastRow >= 0 && resultTable.cell(1, lastRow).isEmpty() &&
           resultTable.cell(2, lastRow).isEmpty())
        --lastRow;

    QByteArrayList lines;
    lines << QByteArrayLiteral("<html>") << QByteArrayLiteral("<body>")
          << htmlTableLine(kTableWidth) << QByteArrayLiteral("  <tr>");
    lines << headCell("220", Cp1252::fromUnicode(shortDate(today)) + QByteArrayLiteral(",  Name: "),
                      " ");
    lines << headCell("100", QByteArrayLiteral("Ergebnis"), " ");
    lines << headCell("80", QByteArrayLiteral("Note"), "");
    lines << QByteArrayLiteral("  </tr>");

    for (int row = 0; row <= lastRow; ++row) {
        lines << QByteArrayLiteral("  <tr>");
        lines << htmlCellLine(kColumnWidth, "center", htmlEscaped(resultTable.cell(0, row)));
        lines << htmlCellLine(kColumnWidth, "center", resultTable.cell(1, row));
        lines << htmlCellLine(kColumnWidth, "center", resultTable.cell(2, row));
    }

    KeyLines(key).write(lines);
    lines << QByteArrayLiteral("  </tr>") << QByteArrayLiteral("  </table>")
          << QByteArrayLiteral("</body>") << QByteArrayLiteral("</html>");
    return htmlDocument(lines);
}

bool saveResultList(const QString& fileName, const StringGrid& resultTable,
                    const GradeKeyFields& key, const QDate& today, QString* error) {
    return saveFileAtomically(fileName, resultList(resultTable, key, today), error);
}
