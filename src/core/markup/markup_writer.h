#pragma once

#include <QString>
#include <string>

#include "markup/rich_text_document.h"

namespace kinvarro {

/// Markup writer: the Windows-1251 tag markup of `doc`.
///
/// Characters (of the text or of a face name) that Windows-1251 cannot hold
/// become '?', one per character (a surrogate pair is one character); when
/// `unmappable` is given each such character is appended to it once.
///
/// The writer state starts with size, face and colour unset, so the first
/// character always gets a size, a face and a colour tag, even when the
/// markup value is 0x12345678 or the face is empty (fixed marker
/// values would swallow those).
std::string RichTextToMarkup(const RichTextDocument &doc, QString *unmappable = nullptr);

}  // namespace kinvarro
