#pragma once

#include <algorithm>
#include <string_view>

#include "model/advance_table.h"
#include "model/tnode.h"

namespace kinvarro {

/// Calls `visit` with each line of a multi-line text as it stands in the text:
/// CR ends a line and the end of the text ends the last one, so "A\r\n" has
/// two lines, the second holding only the LF that the lines skip.
template <class Visit>
void ForEachLine(std::string_view text, Visit &&visit) {
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find('\r', start), text.size());
        visit(text.substr(start, end - start));
        if (end == text.size())
            return;
        start = end + 1;
    }
}

/// Size of a multi-line text: CR ends a line, LF is skipped, the end of the
/// text ends the last line; the widest line gives the width and every line,
/// empty or not, adds its height.
NameExtent MeasureMultiLineText(std::string_view text, const AdvanceTable &advances);
/// As above, in the font of `font`.
NameExtent MeasureMultiLineText(std::string_view text, const tmyfont &font);

}  // namespace kinvarro
