#pragma once

#include <cstdint>
#include <vector>

namespace kinvarro {

class GedcomGauge;

/// What the automatic placement knows of one element.
struct PlacementElement {
    int father = -1;
    int mother = -1;
    std::int64_t width = 0;  ///< of the name, never negative
};

/// Positions in chart units, before the grid alignment.
struct PlacementResult {
    std::vector<std::int64_t> x;
    std::vector<std::int64_t> y;
    /// Elements that are their own ancestor; their rows are left unfinished.
    int ownAncestors = 0;
};

/// Lays out the generations: rows 50 apart with parents above children,
/// loners in one row on top, rows spread so that boxes keep 20 apart, children
/// centred under a parent where there is room, the top-left element at
/// (25, 25). Parent links that form a cycle end the row sorting after a
/// bounded number of passes. A cancel through `gauge` leaves the places
/// unfinished.
PlacementResult PlaceGenerations(const std::vector<PlacementElement> &elements,
                                 GedcomGauge *gauge = nullptr);

}  // namespace kinvarro
