#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kinvarro {

/// a + b held at the int32 limits: origins and positions come from files and
/// from unbounded panning, so a step must never wrap around.
inline std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(a) + b,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

}  // namespace kinvarro
