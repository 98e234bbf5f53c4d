#pragma once

#include <vector>

#include "persistence/gedcom_records.h"

namespace kinvarro {

class GedcomGauge;

/// Father and mother index of each of the first `used` individuals, -1 for none.
struct ParentLinks {
    std::vector<int> father;
    std::vector<int> mother;
    /// Distinct husband, wife and child identifiers that no individual of the
    /// file carries.
    long long undefinedPersons = 0;
};

/// Links the first `used` individuals through the families: a child takes as
/// father the last used individual carrying the husband's identifier, and
/// likewise the mother, each from the last family in file order whose
/// husband or wife resolves. Identifiers compare exactly.
ParentLinks LinkParents(const GedcomRecords &records, int used, GedcomGauge *gauge = nullptr);

}  // namespace kinvarro
