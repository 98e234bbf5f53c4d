#pragma once

#include <cstdint>
#include <vector>

namespace kinvarro {

class Document;

/// A person's new top-left corner.
struct ArrangedPlace {
    int index = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct ChartArrangement {
    std::vector<ArrangedPlace> places;
    /// Parent links left out because they closed a cycle of ancestry.
    int brokenLinks = 0;
};

/// New places for the selected persons when two or more are selected, else
/// for every person; historical events stay. A selection is arranged where
/// its top-left corner was, the whole chart from (25, 25). Gaps follow the
/// chart's grid so that connection lines and their buses fit between boxes.
ChartArrangement ArrangeByGenerations(const Document &doc);

/// Moves the persons to their new places (the caller records the undo step).
void ApplyArrangement(Document &doc, const ChartArrangement &arrangement);

}  // namespace kinvarro
