#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/status.h"

class QTextDocument;

namespace kinvarro {

class ElementTable;

/// Colours of the automatic colouring (0x00BBGGRR).
inline constexpr std::int32_t kDigitColour = 0xFF0000;
inline constexpr std::int32_t kNameColour = 0x0000FF;
/// Text size every coloured description gets.
inline constexpr int kColouredTextSize = 10;
/// Words of a name looked for on their own.
inline constexpr int kMaxNameWords = 11;

/// The description markup `description` of an element called `name`
/// (both document text) after the colouring, worked out on the rich text
/// `scratch`: one text size, no runs of empty lines and no empty lines at the
/// end, digits blue, every grave accent turned into underlining of the
/// character before it (an accent with nothing before it just goes), and
/// each occurrence of the name and of its first eleven words, in any letter
/// case, red where the character after it is below ':' or the text ends.
std::string ColourDescription(std::string_view name, std::string_view description,
                              QTextDocument &scratch);

/// The coloured description of every element, by table index, without
/// changing the table. `beforeElement(i)` is called before element i (for
/// progress and pending events).
std::vector<std::string> ColourDescriptions(const ElementTable &table, QTextDocument &scratch,
                                            const std::function<void(int)> &beforeElement = {});

}  // namespace kinvarro
