#pragma once

#include <string_view>

#include "common/status.h"
#include "markup/rich_text_document.h"

namespace kinvarro {

/// Markup reader: clears `doc` and fills it from the Windows-1251 tag
/// markup `markup`, which ends at its end or at its first NUL.
///
/// Rules for the unusual cases:
/// - A value tag ("<`S=", "<`F=", "<`C=") with no ">" after it takes the rest
///   of the markup as its value (the tag ends with the text), so for "S" and
///   "C" that rest must be an integer.
/// - Size and colour values are read by `parseMarkupInteger`: signed decimal
///   in the 32-bit range, or "$" followed by hexadecimal digits.
///
/// A value that is not an integer fails with a message naming it; the runs
/// placed before the tag (including the text just before it) stay in `doc`.
Status MarkupToRichText(std::string_view markup, RichTextDocument &doc);

}  // namespace kinvarro
