#include "render/text_lines.h"

#include <algorithm>

#include "model/name_measure.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// The text of a line as it stands in a name, without its LF characters.
std::string lineText(std::string_view line) {
    std::string kept;
    std::copy_if(line.begin(), line.end(), std::back_inserter(kept),
                 [](char c) { return c != '\n'; });
    return kept;
}

}  // namespace

std::vector<QString> SplitLines(std::string_view text) {
    std::vector<QString> lines;
    ForEachLine(text, [&](std::string_view line) { lines.push_back(fromDocText(lineText(line))); });
    return lines;
}

int CountLines(std::string_view text) {
    return int(std::count(text.begin(), text.end(), '\r')) + 1;
}

NameExtent MeasuredText::extent() const {
    NameExtent extent;
    for (const Line &line : lines) {
        extent.width = std::max(extent.width, line.width);
        extent.height += lineHeight;
    }
    return extent;
}

MeasuredText MeasureLines(std::string_view text, const AdvanceTable &advances) {
    MeasuredText measured;
    measured.lineHeight = advances.lineHeight();
    ForEachLine(text, [&](std::string_view line) {
        measured.lines.push_back({lineText(line), advances.lineWidth(line)});
    });
    return measured;
}

}  // namespace kinvarro
