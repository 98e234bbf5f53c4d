#pragma once

#include <cstdint>

namespace kinvarro {

/// Chart units to pixels: truncation toward zero; a non-zero value never becomes 0.
std::int32_t ToScreen(std::int32_t v, float scale);
/// As ToScreen, rounding to nearest with ties to even.
std::int32_t ToScreenRounded(std::int32_t v, float scale);
/// Pixels to chart units: truncation toward zero with the same non-zero rule.
std::int32_t ToChart(std::int32_t v, float scale);

}  // namespace kinvarro
