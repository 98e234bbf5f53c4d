#pragma once

#include <QString>
#include <vector>

namespace kinvarro {

class ElementTable;
class ProgressDisplay;

/// The order of the report's person blocks: the distinct names of all elements
/// (the first spelling met of names equal but for letter case) sorted
/// alphabetically without regard to case, and for each name the persons
/// bearing it in table order. `nameCount` receives the number of distinct names
/// and `nameOfBlock` for each block the position of its name in that order.
struct ReportOrder {
    std::vector<int> persons;
    std::vector<int> nameOfBlock;
    int nameCount = 0;
};

/// Sorts in n log n; the progress display, under `caption`, follows the
/// elements as they are read.
ReportOrder SortPersonsByName(const ElementTable &table, ProgressDisplay *progress,
                              const QString &caption);

/// For each element, the elements whose father or mother it is, in table order.
std::vector<std::vector<int>> ChildrenOfEach(const ElementTable &table);

}  // namespace kinvarro
