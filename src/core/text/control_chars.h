#pragma once

#include <QString>
#include <QStringView>
#include <string>

namespace kinvarro {

/// Tab and the line ends are text; every other control character is not.
bool isUnwantedControl(char32_t c);

/// Replaces each unwanted control character of a document text (single bytes
/// below 0x20 and 0x7F, the same in every encoding the program reads) with "?".
/// Returns how many were replaced.
int replaceControlChars(std::string &text);

/// `text` without its unwanted control characters, for what is typed or pasted.
QString withoutControlChars(QStringView text);

/// Whether a font face can be written into the markup: no ">" and no control
/// character, tab and line ends included.
bool storableFontFace(QStringView face);

}  // namespace kinvarro
