#pragma once

#include <QString>
#include <string>

#include "markup/rich_text_document.h"

namespace kinvarro {

/// Markup writer: the tag markup of `doc`, its text as document text (UTF-8).
///
/// The writer state starts with size, face and colour unset, so the first
/// character always gets a size, a face and a colour tag, even when the
/// markup value is 0x12345678 or the face is empty (fixed marker
/// values would swallow those).
std::string RichTextToMarkup(const RichTextDocument &doc);

}  // namespace kinvarro
