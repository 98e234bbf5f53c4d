#include "model/name_measure.h"

#include <limits>

namespace kinvarro {

NameExtent MeasureMultiLineText(std::string_view text, const AdvanceTable &advances) {
    std::int32_t width = 0;
    std::int64_t height = 0;
    ForEachLine(text, [&](std::string_view line) {
        width = std::max(width, advances.lineWidth(line));
        height += advances.lineHeight();
    });
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    return NameExtent{width, std::int32_t(std::min(height, kLargest))};
}

NameExtent MeasureMultiLineText(std::string_view text, const tmyfont &font) {
    return MeasureMultiLineText(text, *AdvanceTable::of(font));
}

}  // namespace kinvarro
