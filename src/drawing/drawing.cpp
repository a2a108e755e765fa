#include "drawing/drawing.h"

namespace kinrow {

int MmToDev(double mm, int dotsPerInch)
{
    return static_cast<int>(dotsPerInch * (mm / 25.4));
}

double LineHeightMm(double pointSize)
{
    // Ascent plus descent of the usual sans-serif faces is about 1.15 em.
    constexpr double LineFactor = 1.15;
    return pointSize * 25.4 / 72.0 * LineFactor;
}

} // namespace kinrow
