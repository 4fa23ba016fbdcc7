#pragma once

#include <QtGlobal>

class StringGrid;

// Builds the B version of a test of taskCount tasks: the task blocks in another order, "red" as
// the colour word, the end mark after the last block and the tasks renumbered in table order.
//
// The order comes from a forward Fisher-Yates shuffle drawing from SharedRandom, seeded with
// seed (the program passes the time of day). The draws share the generator with the
// scrambling of the blocks into working, so only the first one depends on the seed; the student
// program does not care, but this keeps one version reproducible for a given seed.
//
// working is emptied first (its counts stay), so an earlier, longer version leaves nothing
// behind; testTable is read as the A version and then holds the B version. A test without tasks
// (taskCount < 1) has nothing to shuffle, and relabelling would break its end mark: then false
// is returned and nothing is changed.
bool buildSecondVersion(StringGrid& testTable, StringGrid& working, int taskCount,
                        bool singleChoice, quint32 seed);
