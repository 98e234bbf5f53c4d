#pragma once

#include <algorithm>
#include <cstdint>

namespace kinvarro {

namespace thin_line_detail {

inline std::int64_t floorDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return std::int64_t(q);
}

}  // namespace thin_line_detail

/// Walks the pixels of a one-pixel line from (x0, y0) up to, but not
/// including, (x1, y1): one pixel per step along the longer axis and, on the
/// other axis, the pixel nearest the ideal line (halves go to the smaller
/// coordinate). Only pixels inside [0, width) x [0, height) reach
/// `plot(x, y, step)`; `step` counts from the start pixel, so a clipped line
/// keeps both its pixels and its dash pattern.
template <class Plot>
void WalkThinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, int width,
                  int height, Plot &&plot) {
    if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= width && x1 >= width) ||
        (y0 >= height && y1 >= height))
        return;
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const bool xMajor = std::max(dx, -dx) >= std::max(dy, -dy);
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t majorLimit = xMajor ? width : height;
    const std::int64_t minorLimit = xMajor ? height : width;
    const std::int64_t steps = std::max(majorDelta, -majorDelta);
    if (steps == 0)
        return;
    const std::int64_t direction = majorDelta > 0 ? 1 : -1;

    // The steps whose major coordinate lies on the canvas.
    std::int64_t first = direction > 0 ? -major0 : major0 - (majorLimit - 1);
    std::int64_t last = direction > 0 ? majorLimit - 1 - major0 : major0;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps - 1);
    if (first > last)
        return;

    // minor(i) = minor0 + floor((2 i minorDelta + steps - 1) / (2 steps)), the
    // nearest pixel with halves rounded down, kept as quotient and remainder.
    const std::int64_t twoSteps = 2 * steps;
    const __int128 numerator = __int128(2) * first * minorDelta + steps - 1;
    std::int64_t quotient = thin_line_detail::floorDiv(numerator, twoSteps);
    std::int64_t remainder = std::int64_t(numerator - __int128(quotient) * twoSteps);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = major0 + direction * i;
        const std::int64_t minor = minor0 + quotient;
        if (minor >= 0 && minor < minorLimit) {
            if (xMajor) {
                plot(major, minor, i);
            } else {
                plot(minor, major, i);
            }
        }
        remainder += 2 * minorDelta;
        if (remainder >= twoSteps) {
            remainder -= twoSteps;
            ++quotient;
        } else if (remainder < 0) {
            remainder += twoSteps;
            --quotient;
        }
    }
}

}  // namespace kinvarro
