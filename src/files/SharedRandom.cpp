#include "SharedRandom.h"

namespace {
quint32 s_state = 0;
}

namespace SharedRandom {

void seed(quint32 state) {
    s_state = state;
}

quint32 state() {
    return s_state;
}

quint32 below(quint32 n) {
    // Unsigned arithmetic wraps modulo 2^32, which is the step itself.
    s_state = s_state * 134775813u + 1u;
    return quint32((quint64(n) * s_state) >> 32);
}

} // namespace SharedRandom
