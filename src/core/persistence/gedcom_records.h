#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kinvarro {

/// One NOTE or OBJE FILE of a record: its own text, or a pointer to a note
/// or multimedia record.
struct GedcomReference {
    std::string text;
    std::string pointer;  ///< the record's identifier; empty for a text
};

/// One INDI record as read; texts are document text (UTF-8).
struct GedcomIndividual {
    std::string id;
    std::string name;  ///< the first NAME: GEDCOM's preferred one
    bool hasName = false;
    std::uint8_t sex = 0;  ///< 0 unknown, 1 man, 2 woman
    std::vector<GedcomReference> notes;
    std::string events;  ///< labelled date and place lines, each after CR LF
    std::string note;    ///< becomes the description: the notes, then the events
    std::vector<GedcomReference> mediaLinks;
    std::vector<std::string> media;  ///< the FILE paths, multimedia records resolved
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
    std::vector<GedcomReference> headerNotes;
    std::string headerNote;  ///< the header's notes, resolved
    /// Note records (NOTE and GEDCOM 7's SNOTE) by identifier.
    std::unordered_map<std::string, std::string> noteRecords;
    /// The FILE paths of multimedia records by identifier.
    std::unordered_map<std::string, std::vector<std::string>> mediaRecords;
    long long droppedFamilies = 0;
    long long undefinedRecords = 0;  ///< note and multimedia pointers to no record
};

/// Most INDI records a file may hold (one more stops the import) and most FAM
/// records read (the rest are left out and counted).
inline constexpr int kMaxGedcomIndividuals = 100001;
inline constexpr int kMaxGedcomFamilies = 10001;

}  // namespace kinvarro
