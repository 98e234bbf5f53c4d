#pragma once

#include "persistence/gedcom_placement.h"

namespace kinvarro::bench {

/// The placement exactly as its rules read: linear passes for the levels,
/// quadratic scans for roots, children, loners and row gaps, and the
/// spreading scan restarted from the first element after every move. The
/// reference for PlaceGenerations; it never ends on a cycle of parent links.
PlacementResult PlaceGenerationsLiterally(const std::vector<PlacementElement> &elements);

}  // namespace kinvarro::bench
