#include "HtmlTable.h"

#include <algorithm>
#include <charconv>
#include <utility>

QByteArray htmlCellStart(QByteArrayView widthText, const char* align) {
    QByteArray start;
    start.reserve(128);
    start.append("<td width=\"")
        .append(widthText)
        .append("\" height=\"")
        .append(QByteArray::number(htmlCellRowHeight))
        .append("\"><div align=\"")
        .append(align)
        .append("\"><font color=\"#")
        .append(htmlCellFontColour)
        .append("\" face=\"")
        .append(htmlCellFontFace)
        .append("\">");
    return start;
}

HtmlLines::HtmlLines(qsizetype expectedSize, QByteArray buffer)
    : m_bytes(std::move(buffer)) {
    // Within the buffer's capacity the resize fetches nothing.
    m_bytes.resize(std::max<qsizetype>({expectedSize, m_bytes.capacity(), 64}));
    m_data = m_bytes.data();
}

void HtmlLines::grow(qsizetype needed) {
    m_bytes.resize(std::max(2 * m_bytes.size(), m_size + needed));
    m_data = m_bytes.data();
}

HtmlLines& HtmlLines::escaped(QByteArrayView text) {
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* c = run; c != end; ++c) {
        const char* entity = nullptr;
        switch (*c) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        default:
            continue;
        }
        put(run, c - run);
        put(entity, qsizetype(std::strlen(entity)));
        run = c + 1;
    }
    put(run, end - run);
    return *this;
}

HtmlLines& HtmlLines::number(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    put(digits, result.ptr - digits);
    return *this;
}

void HtmlLines::tableLine(int width, int border) {
    *this << " <table border= 1 style= border-collapse:collapse;border:none;mso-border-alt:"
             "solid windowtext .5pt;mso-yfti-tbllook:480;mso-padding-alt:0cm 5.4pt 0cm 5.4pt;"
             "mso-border-insideh:.5pt solid windowtext;mso-border-insidev:.5pt solid "
             "windowtext\"";
    number(border) << "\" width=98%\"";
    number(width) << "\" height=\"";
    number(width) << "\">";
    endLine();
}

void HtmlLines::cellLine(const QByteArray& start, QByteArrayView text, bool bold) {
    *this << start;
    if (bold)
        *this << "<b>";
    *this << (text.isEmpty() ? QByteArrayView(" ") : text);
    cellEnd(bold);
}

void HtmlLines::escapedCellLine(const QByteArray& start, QByteArrayView text, bool bold) {
    *this << start;
    if (bold)
        *this << "<b>";
    if (text.isEmpty())
        *this << " ";
    else
        escaped(text);
    cellEnd(bold);
}

void HtmlLines::cellEnd(bool bold) {
    if (bold)
        *this << "</b>";
    line("</font></div></td>");
}

QByteArray HtmlLines::take() {
    m_bytes.resize(m_size);
    m_data = nullptr;
    m_size = 0;
    return std::move(m_bytes);
}
