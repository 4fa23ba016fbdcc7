#pragma once

#include <QByteArray>

class StringGrid;

enum class ScrambleDirection { Scramble, Unscramble };

// The key of every test and answer file. The student program scrambles with the same value;
// changing it here makes every existing file unreadable on both sides.
constexpr int FileKey = 47;

// Shifts every byte from 32 (' ') to 122 ('z') by a draw below 90 from SharedRandom, wrapping
// within those 91 bytes; every other byte stays and draws nothing. The generator is reset to key
// first, so a text's result depends on the text alone, never on where it stands.
QByteArray ScrambleText(const QByteArray& text, int key, ScrambleDirection direction);

// Both walk the extent of the scrambled table, whichever side it stands on: a save writes as many
// rows as the scrambled copy has, an open fills exactly the rows the file held. The plain table
// keeps its own counts; cells beyond its row count are written all the same. A CR or byte 26,
// which no file line can hold, is scrambled as a blank.
void ScrambleTable(const StringGrid& plain, StringGrid& scrambled);
void UnscrambleTable(const StringGrid& scrambled, StringGrid& plain);
