#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "model/advance_table.h"
#include "model/tnode.h"

namespace kinvarro {

/// The lines of a multi-line name: CR ends a line, LF is skipped and the end of
/// the text ends the last line, so "A\r\n" has two lines, the second empty.
std::vector<QString> SplitLines(std::string_view text);

/// Number of lines SplitLines gives, without building them.
int CountLines(std::string_view text);

/// A name split into lines, each with its width in the font it was measured in.
struct MeasuredText {
    struct Line {
        std::string text;  ///< UTF-8, without LF characters
        int width = 0;
    };
    std::vector<Line> lines;
    int lineHeight = 0;

    /// Widest line and the sum of the line heights.
    NameExtent extent() const;
};

/// The lines of `text` with their widths in the font of `advances`.
MeasuredText MeasureLines(std::string_view text, const AdvanceTable &advances);

}  // namespace kinvarro
