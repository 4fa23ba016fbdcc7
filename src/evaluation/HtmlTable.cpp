#include "HtmlTable.h"

QByteArray htmlTableLine(int width, int border) {
    const QByteArray w = QByteArray::number(width);
    return QByteArrayLiteral(
               " <table border= 1 style= border-collapse:collapse;border:none;mso-border-alt:"
               "solid windowtext .5pt;mso-yfti-tbllook:480;mso-padding-alt:0cm 5.4pt 0cm 5.4pt;"
               "mso-border-insideh:.5pt solid windowtext;mso-border-insidev:.5pt solid "
               "windowtext\"") +
           QByteArray::number(border) + QByteArrayLiteral("\" width=98%\"") + w +
           QByteArrayLiteral("\" height=\"") + w + QByteArrayLiteral("\">");
}

QByteArray htmlCellLine(const QByteArray& widthText, const char* align, const QByteArray& text,
                        bool bold) {
    QByteArray shown = text.isEmpty() ? QByteArrayLiteral(" ") : text;
    if (bold)
        shown = QByteArrayLiteral("<b>") + shown + QByteArrayLiteral("</b>");
    return QByteArrayLiteral("<td width=\"") + widthText + QByteArrayLiteral("\" height=\"") +
           QByteArray::number(htmlCellRowHeight) + QByteArrayLiteral("\"><div align=\"") +
           QByteArray(align) + QByteArrayLiteral("\"><font color=\"#") +
           QByteArray(htmlCellFontColour) + QByteArrayLiteral("\" face=\"") +
           QByteArray(htmlCellFontFace) + QByteArrayLiteral("\">") + shown +
           QByteArrayLiteral("</font></div></td>");
}

QByteArray htmlEscaped(const QByteArray& text) {
    QByteArray result;
    result.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

QByteArray htmlDocument(const QByteArrayList& lines) {
    QByteArray document;
    for (const QByteArray& line : lines) {
        document += line;
        document += "\r\n";
    }
    return document;
}
