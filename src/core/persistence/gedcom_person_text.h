#pragma once

#include <optional>
#include <string>
#include <vector>

#include "markup/plain_text_lines.h"

namespace kinvarro {

class MessageTable;

/// One event line the import wrote into a description, as GEDCOM again.
struct GedcomEventLine {
    const char *tag;  ///< "BIRT", "DEAT", "BAPM" or "ENDL"
    bool isPlace;     ///< PLAC, else DATE
    std::string value;
};

/// A person's texts taken apart into what GEDCOM keeps in structures of its
/// own, so that an exported import comes back as it was.
struct GedcomPersonText {
    bool hasSurname = false;  ///< the description starts with a full-name line
    std::string surname;      ///< what that line adds to the name; may be empty
    PlainTextLines note;      ///< what stays the note; no lines for none
    std::vector<GedcomEventLine> events;
};

/// The labels the import writes before event dates and places, in the
/// interface language and in the built-in one, prepared once for an export.
class GedcomEventLabels {
  public:
    explicit GedcomEventLabels(const MessageTable &messages);
    /// The event of a line "<label>: <value>", if it is one.
    std::optional<GedcomEventLine> match(const std::string &line) const;

  private:
    struct Label {
        std::string prefix;  ///< "<label>: "
        const char *tag;
        bool isPlace;
    };
    std::vector<Label> labels_;
};

/// Splits a person's description (its plain lines) as the import built it:
/// a first line that is `name` followed by more words and an empty line give
/// the surname; the labelled date and place lines at its end give the events.
GedcomPersonText SplitPersonText(const std::string &name, PlainTextLines lines,
                                 const GedcomEventLabels &labels);

}  // namespace kinvarro
