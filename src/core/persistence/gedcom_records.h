#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kinvarro {

/// One INDI record as read; texts are Windows-1251.
struct GedcomIndividual {
    std::string id;
    std::string name;
    std::uint8_t sex = 0;  ///< 0 unknown, 1 man, 2 woman
    std::string note;      ///< becomes the description
};

/// One FAM record: identifiers already cleaned by StripXref.
struct GedcomFamily {
    bool hasHusband = false;
    bool hasWife = false;
    std::string husband;
    std::string wife;
    std::vector<std::string> children;  ///< every CHIL line, in order
};

/// What a GEDCOM file holds for the chart.
struct GedcomRecords {
    std::vector<GedcomIndividual> individuals;
    std::vector<GedcomFamily> families;
    std::string headerNote;
};

/// Most INDI and FAM records a file may hold; one more stops the import.
inline constexpr int kMaxGedcomIndividuals = 100001;
inline constexpr int kMaxGedcomFamilies = 10001;

}  // namespace kinvarro
