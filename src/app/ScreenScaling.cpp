#include "ScreenScaling.h"

#include <cfenv>
#include <cmath>

ScreenScaling screenScaling(int width, int dpiOffset) {
    const long double w = width;
    const long double d = dpiOffset;
    const long double shrink = (1366.0L / w - 1.0L) * 100.0L;
    long double m;
    bool maximised = false;
    if (width < 1366 && dpiOffset > 0) {
        m = w / 1366.0L * 100.0L - (w / 1366.0L - 1.0L) * 100.0L;
        maximised = true;
    } else if (width < 1366) {
        m = w / 1366.0L * 100.0L;
    } else if (width == 1366) {
        m = w / 1366.0L * 100.0L - d;
    } else if (dpiOffset <= 0) {
        m = 100.0L - shrink;
    } else {
        m = (100.0L - shrink) - shrink;
    }
    // Halves go to the even neighbour.
    std::fesetround(FE_TONEAREST);
    return {int(std::nearbyintl(m)), maximised};
}
