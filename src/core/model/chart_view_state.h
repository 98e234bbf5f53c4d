#pragma once

#include <cstdint>

namespace kinvarro {

/// Where the user looks and points: never saved and never part of an edit,
/// so undoing an edit leaves the view as the user left it.
struct ChartViewState {
    std::int32_t ViewOriginX = 0;
    std::int32_t ViewOriginY = 0;
    std::int32_t LastMouseX = -1;
    std::int32_t LastMouseY = -1;
    /// The element under the last press, -1 for none.
    int CurrentNode = -1;
};

}  // namespace kinvarro
