#pragma once

#include <QFont>
#include <QFontMetrics>
#include <cstdint>
#include <string_view>

#include "model/tnode.h"

namespace kinvarro {

/// Chart units to pixels: truncation toward zero; a non-zero value never becomes 0.
std::int32_t ToScreen(std::int32_t v, float scale);
/// As ToScreen, rounding to nearest with ties to even.
std::int32_t ToScreenRounded(std::int32_t v, float scale);
/// Pixels to chart units: truncation toward zero with the same non-zero rule.
std::int32_t ToChart(std::int32_t v, float scale);

/// Size of a multi-line text in `font`: CR ends a line, LF is skipped, the end
/// of the text ends the last line; every line, empty or not, adds its height.
NameExtent MeasureMultiLineText(std::string_view text, const QFont &font);
NameExtent MeasureMultiLineText(std::string_view text, const QFontMetrics &metrics);

/// Metrics of `font` on a 96-dpi device, so that the editor, the tool and the
/// tests measure alike whatever the screen.
QFontMetrics chartFontMetrics(const QFont &font);

/// The QFont that draws a font record at scale 1. Sizes are points at 96 dpi,
/// turned into whole pixels so that every paint device measures alike.
QFont fontForRecord(const tmyfont &record);

}  // namespace kinvarro
