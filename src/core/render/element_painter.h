#pragma once

#include <string_view>

#include "model/document.h"
#include "render/canvas_painter.h"
#include "render/text_lines.h"

namespace kinvarro {

/// The two passes of the painters: the shadow layer under everything, then the
/// elements and lines themselves.
enum class PaintPass { Shadow, Normal };

/// The canvas font as a font record; only the bold, underline and italic bits survive.
tmyfont FontToRecord(const ChartPainter &canvas);
/// Makes `record` the canvas font.
void RecordToFont(const tmyfont &record, ChartPainter &canvas);
/// Makes `record` the canvas font with its size converted by ToScreen at `scale`.
void RecordToScaledFont(const tmyfont &record, ChartPainter &canvas, float scale);

/// Frame width of element boxes: 1 for `lineWidth` 0 and 1 (and for no width
/// selected at all), else 2 or 3.
int BorderWidth(const DocumentSettings &settings);

/// Writes each line of `text` horizontally centred in a box `boxWidth` wide
/// whose top-left corner is (left, top), one line below the other.
void DrawCenteredLines(ChartPainter &canvas, Coord left, Coord top, Coord boxWidth,
                       std::string_view text);
/// As above, for a text already split and measured in the canvas font.
void DrawCenteredLines(ChartPainter &canvas, Coord left, Coord top, Coord boxWidth,
                       const MeasuredText &text);

/// Paints element `index`: a person as a framed box holding its name, a
/// historical event as a line across the canvas labelled near its right end.
/// The shadow pass paints only the shadow of a person.
void PaintElement(ChartPainter &canvas, const Document &doc, int index, PaintPass pass);

}  // namespace kinvarro
