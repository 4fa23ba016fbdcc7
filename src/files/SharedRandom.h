#pragma once

#include <QtGlobal>

// The one pseudo-random generator of the process. ScrambleText resets it to the key for every
// text, and the second test version draws from the same state between such calls, so the
// student program and this one only agree on files if both keep exactly this arithmetic.
namespace SharedRandom {

void seed(quint32 state);
quint32 state();

// One step (S := S * 134775813 + 1 mod 2^32), then floor(n * S / 2^32): a value 0 .. n - 1
// for n >= 1 (0 for n = 0, after the step all the same).
quint32 below(quint32 n);

} // namespace SharedRandom
