#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "persistence/gedcom_placement.h"

// The costly phases of the placement, each with the result of its plain
// quadratic form but computed on per-row ordered structures.
namespace kinvarro::placement {

using Coordinates = std::vector<std::int64_t>;

/// How many elements lie on a cycle of parent links (their own ancestors).
int countOwnAncestors(const std::vector<PlacementElement> &elements);

/// Phase 6: passes in which each element pushes every other element of its
/// row starting between its own x and x + width + 20 to x + width + 25,
/// until a pass moves nothing. `passDone` receives each pass's move count.
void spreadRows(const std::vector<PlacementElement> &elements, Coordinates &x, const Coordinates &y,
                const std::function<void(long long)> &passDone);

/// Phase 7: passes that move each child under its father, else its mother,
/// where the row has room, while a pass moves fewer than the one before.
void centreChildren(const std::vector<PlacementElement> &elements, Coordinates &x,
                    const Coordinates &y);

/// Row numbers 0, 1, ... of the distinct values of `y`, in ascending order.
std::vector<int> rowNumbers(const Coordinates &y, int *rowCount);

}  // namespace kinvarro::placement
