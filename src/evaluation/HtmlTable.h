#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

// Pieces shared by every HTML document the program writes: the feedback pages, the result
// list and the test documents all open their one table with the same line and write one line
// per cell in the look of the worker window's tables.

// The worker window's tables use the window-text colour and this face for their cells.
inline constexpr char htmlCellFontColour[] = "80000008";
inline constexpr char htmlCellFontFace[] = "MS Sans Serif";
inline constexpr int htmlCellRowHeight = 24;

// The opening of a data cell up to its text: widthText is written as it is between the quotes
// of the width attribute, align is "left" or "center". The same for every cell of a column, so
// a document makes it once per column.
QByteArray htmlCellStart(QByteArrayView widthText, const char* align);

// A document written line by line into one buffer: every line ends with CR LF, the last one
// too. A page for each answer file of a class is built in one go, without a piece of its own
// for every line and cell.
class HtmlLines {
public:
    // The expected size is reserved at once; more is fetched as needed. A buffer handed in is
    // written over and kept if it is large enough.
    explicit HtmlLines(qsizetype expectedSize, QByteArray buffer = QByteArray());

    // Pieces of the current line, which endLine() closes.
    HtmlLines& operator<<(QByteArrayView text) {
        put(text.data(), text.size());
        return *this;
    }
    // For text that comes from outside (students' names and answers): & < > as entities.
    HtmlLines& escaped(QByteArrayView text);
    HtmlLines& number(int value);
    void endLine() { put("\r\n", 2); }
    void line(QByteArrayView text) {
        *this << text;
        endLine();
    }

    // The table's opening line; width is the pixel width of the table view it stands for.
    void tableLine(int width, int border = 1);
    // One data cell from its start (htmlCellStart): an empty text becomes a single blank; bold
    // wraps the text in <b> ... </b>. The text is written as it is: callers decide what is
    // trusted.
    void cellLine(const QByteArray& start, QByteArrayView text, bool bold = false);
    // The same with the text escaped.
    void escapedCellLine(const QByteArray& start, QByteArrayView text, bool bold = false);

    QByteArray take();

private:
    void put(const char* data, qsizetype size) {
        if (m_size + size > m_bytes.size())
            grow(size);
        std::memcpy(m_data + m_size, data, size_t(size));
        m_size += size;
    }
    void grow(qsizetype needed);
    void cellEnd(bool bold);

    // m_bytes is kept at its full capacity; m_size bytes of it are written.
    QByteArray m_bytes;
    char* m_data = nullptr;
    qsizetype m_size = 0;
};
