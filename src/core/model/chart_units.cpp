#include "model/chart_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kinvarro {
namespace {

std::int32_t saturate(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    return std::int32_t(std::clamp(value, lo, hi));
}

std::int32_t keepNonZero(std::int32_t result, std::int32_t v) {
    if (result == 0 && v != 0)
        return v > 0 ? 1 : -1;
    return result;
}

}  // namespace

std::int32_t ToScreen(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::trunc(double(v) * double(scale))), v);
}

std::int32_t ToScreenRounded(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::nearbyint(double(v) * double(scale))), v);
}

std::int32_t ToChart(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::trunc(double(v) / double(scale))), v);
}

}  // namespace kinvarro
