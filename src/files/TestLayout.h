#pragma once

#include <QByteArray>

class StringGrid;

// How one test fills its table. Every word here is compared exactly, case included, and the
// student program reads the same words, so code spells them only through these names.

constexpr int kTestColumns = 5;
// A saved test has this many rows: the header row and 200 blocks, one of them for the end mark.
constexpr int kSavedRows = 1201;
// Rows of one task block; the block of task k starts at row kTaskRows * (k - 1) + 1.
constexpr int kTaskRows = 6;

inline constexpr char kEndMarker[] = "Testende!";
inline constexpr char kWordTrue[] = "wahr";
inline constexpr char kWordFalse[] = "falsch";
inline constexpr char kSingleMark[] = "Single"; // cell (4, 0) of a single-choice test
inline constexpr char kTextMark[] = "Text";     // cell (0, r + 4) of a free-text task
inline constexpr char kColourRed[] = "red";     // cell (0, 3) of a B version
inline constexpr char kColourYellow[] = "yellow";
inline constexpr char kLabelPrefix[] = "Aufgabe ";

// Starting at row 2, the first row with columns 1 and 2 both empty ends the tasks: every answer
// row holds a flag in column 2, every question row and the end mark row text in column 1.
// Returns (that row - 2) / 6.
int countTasks(const StringGrid& table);

// Everything up to and including the first ':' is cut off (nothing when there is none) and
// "Aufgabe <number>:" put in front of the rest, which keeps its leading blank.
QByteArray relabelQuestion(const QByteArray& question, int number);
