#pragma once

#include <QtGlobal>

// The shared generator written once more straight from its definition, with 64-bit
// arithmetic, so the tests pin the numbers the student program relies on instead of echoing
// the code under test.
struct ReferenceGenerator {
    quint64 state;
    quint32 below(quint32 n) {
        state = (state * 134775813ull + 1ull) % 4294967296ull;
        return quint32(quint64(n) * state / 4294967296ull);
    }
};
