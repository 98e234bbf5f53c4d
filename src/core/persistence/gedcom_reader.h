#pragma once

#include <string>
#include <string_view>

#include "persistence/gedcom_records.h"

namespace kinvarro {

class GedcomGauge;
class MessageTable;

/// `text` without its leading and trailing blanks and at signs: @I5@ gives I5.
std::string StripXref(std::string_view text);

enum class GedcomReadOutcome { Complete, TooManyIndividuals, Cancelled };

/// Reads the individuals, families and header note of a GEDCOM text in
/// document text (UTF-8). Event dates and places go into the notes under the labels of
/// `messages`. Stops at the first INDI or FAM record past the limits, or
/// when the user cancels through `gauge`.
GedcomReadOutcome ReadGedcomRecords(std::string_view text, const MessageTable &messages,
                                    GedcomRecords &records, GedcomGauge *gauge = nullptr);

}  // namespace kinvarro
