#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"

class QTextDocument;

namespace kinvarro {

/// The plain-text lines of a text as document text: one per paragraph,
/// a line break inside a paragraph starting a new line too, so no line holds
/// CR or LF. An empty text has no lines; a text ending in a line break has an
/// empty last line.
using PlainTextLines = std::vector<std::string>;

/// The lines of a rich text, whole paragraphs as lines.
PlainTextLines RichTextPlainLines(const QTextDocument &doc);

/// The lines of the rich text that the markup reader would build from
/// `markup`, found without building it: the same characters in the same
/// lines.
PlainTextLines MarkupPlainLines(std::string_view markup);

}  // namespace kinvarro
