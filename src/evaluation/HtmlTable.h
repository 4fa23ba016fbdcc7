#pragma once

#include <QByteArray>
#include <QByteArrayList>

// Pieces shared by every HTML document the program writes: the feedback pages, the result
// list and the test documents all open their one table with the same line and write one line
// per cell in the look of the worker window's tables.

// The worker window's tables use the window-text colour and this face for their cells.
inline constexpr char htmlCellFontColour[] = "80000008";
inline constexpr char htmlCellFontFace[] = "MS Sans Serif";
inline constexpr int htmlCellRowHeight = 24;

// The table's opening line; width is the pixel width of the table view it stands for.
QByteArray htmlTableLine(int width, int border = 1);

// One data cell: widthText is written as it is between the quotes of the width attribute,
// align is "left" or "center". An empty text becomes a single blank; bold wraps the text in
// <b> ... </b>. The text is not escaped here: callers decide what is trusted.
QByteArray htmlCellLine(const QByteArray& widthText, const char* align, const QByteArray& text,
                        bool bold = false);

// For text that comes from outside (students' names and answers): & < > as entities.
QByteArray htmlEscaped(const QByteArray& text);

// The document: every line ends with CR LF, the last one too.
QByteArray htmlDocument(const QByteArrayList& lines);
