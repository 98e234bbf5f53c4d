#pragma once

#include <QImage>
#include <QPoint>
#include <set>
#include <utility>

#include "model/document.h"
#include "render/chart_canvas.h"

namespace kinvarro::test {

/// Appends a person whose name extent is given rather than measured, so that
/// line geometry does not depend on the installed fonts.
int addBox(Document &doc, int x, int y, int mother = -1, int father = -1,
           NameExtent extent = {40, 13});

/// A canvas of the given size filled with one colour.
ChartCanvas filledCanvas(QSize size, TColor color);

using PixelSet = std::set<std::pair<int, int>>;

/// Pixels of the canvas that are not `background`.
PixelSet inkPixels(const ChartCanvas &canvas, TColor background);

/// Pixels of the canvas that are exactly `color`.
PixelSet pixelsOf(const ChartCanvas &canvas, TColor color);

/// Pixels of a one-pixel axis-parallel segment from a to b, the end left out.
PixelSet segmentPixels(QPoint a, QPoint b);

}  // namespace kinvarro::test
