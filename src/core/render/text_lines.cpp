#include "render/text_lines.h"

#include <QFontMetrics>
#include <algorithm>

#include "text/cp1251.h"

namespace kinvarro {

std::vector<QString> SplitLines(std::string_view text) {
    std::vector<QString> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r') {
            lines.push_back(fromCp1251(line));
            line.clear();
        } else if (c != '\n') {
            line.push_back(c);
        }
    }
    lines.push_back(fromCp1251(line));
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

MeasuredText MeasureLines(std::string_view text, const QFontMetrics &metrics) {
    MeasuredText measured;
    measured.lineHeight = metrics.height();
    for (QString &line : SplitLines(text)) {
        const int width = metrics.horizontalAdvance(line);
        measured.lines.push_back({std::move(line), width});
    }
    return measured;
}

}  // namespace kinvarro
