#pragma once

#include <QPoint>
#include <cstdint>
#include <optional>

#include "model/document.h"
#include "render/chart_canvas.h"
#include "render/chart_painter.h"

namespace kinvarro {

/// The band dragged with Shift held, in chart-area pixels: (x1, y1) is the
/// start corner, (x2, y2) the current one. Owned by the mouse handling.
struct RubberBand {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};

/// What the scene takes from outside the document.
struct SceneInputs {
    /// The pointer in chart-area pixels, wherever it is; without one the
    /// positioning guides are left out.
    std::optional<QPoint> pointer;
    bool RubberBandActive = false;
    RubberBand rubberBand;
};

/// How the connection lines find each child's group: gathered once per paint,
/// or by a scan of the table per line (the slow original way, kept to check
/// the fast one against).
enum class ChildGroupSearch { GatherOnce, ScanPerLine };

/// Paints the whole visible chart into `canvas`: background, shadows, grid,
/// historical events, connection lines, element boxes, guides, rubber band.
void PaintScene(ChartCanvas &canvas, const Document &doc, const SceneInputs &inputs = {},
                ChildGroupSearch search = ChildGroupSearch::GatherOnce);
/// As above, through any drawing backend, over its width and height.
void PaintScene(ChartPainter &canvas, const Document &doc, const SceneInputs &inputs = {},
                ChildGroupSearch search = ChildGroupSearch::GatherOnce);

}  // namespace kinvarro
