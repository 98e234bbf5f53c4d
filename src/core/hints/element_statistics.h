#pragma once

namespace kinvarro {

class ElementTable;

/// The figures of the statistics box. Persons are counted by sex; historical
/// events are neither men nor women and count as others, whatever their sex
/// field holds. `total` is every element.
struct ElementStatistics {
    int men = 0;
    int women = 0;
    int other = 0;
    int total = 0;

    bool operator==(const ElementStatistics &) const = default;
};

ElementStatistics CountElements(const ElementTable &table);

}  // namespace kinvarro
