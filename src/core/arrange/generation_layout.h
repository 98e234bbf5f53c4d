#pragma once

#include <cstdint>
#include <vector>

namespace kinvarro {

/// One box to be arranged; parents are indices into the same list or -1.
struct LayoutBox {
    int father = -1;
    int mother = -1;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

/// Gaps in chart units between rows, between partners and between families.
struct LayoutGaps {
    std::int64_t row = 60;
    std::int64_t partner = 20;
    std::int64_t family = 40;
};

/// Top-left corners of the boxes, the top-left box corner of the block at (0, 0).
struct LayoutResult {
    std::vector<std::int64_t> x;
    std::vector<std::int64_t> y;
    std::vector<int> row;
    /// Parent links ignored because they closed a cycle of ancestry.
    int brokenLinks = 0;
};

/// Lays the boxes out in generation rows: children below both parents,
/// partners side by side, siblings together, parents centred over children.
/// The same input always gives the same result.
LayoutResult ArrangeGenerations(const std::vector<LayoutBox> &boxes, const LayoutGaps &gaps);

}  // namespace kinvarro
