#pragma once

#include <string_view>

#include "markup/rich_text_document.h"

namespace kinvarro {

/// Markup reader: clears `doc` and fills it from the tag
/// markup `markup`, which ends at its end or at its first NUL.
///
/// Rules for the unusual cases:
/// - A value tag ("<`S=", "<`F=", "<`C=") with no ">" after it takes the rest
///   of the markup as its value (the tag ends with the text), so for "S" and
///   "C" that rest must be an integer.
/// - Size and colour values are read by `parseMarkupInteger`: signed decimal
///   in the 32-bit range, or "$" followed by hexadecimal digits.
/// - A size or colour tag whose value is not such an integer is no tag: it
///   reads as the text it is, so no text can make a document unreadable.
void MarkupToRichText(std::string_view markup, RichTextDocument &doc);

}  // namespace kinvarro
