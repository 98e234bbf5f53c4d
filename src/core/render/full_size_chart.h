#pragma once

#include <QSize>
#include <memory>

#include "model/document.h"
#include "render/scroll_bars.h"

namespace kinvarro {

/// A copy of a chart at 100 %, for the picture exports: its elements with
/// their selection, its display settings with the scale at 1 and its view,
/// with the scroll ranges for a chart area of `chartArea` at that scale. The
/// document itself is left as it is, whatever the zoom on screen.
struct FullSizeChart {
    FullSizeChart(const Document &doc, QSize chartArea);

    Document doc;
    ScrollBars bars;
};

}  // namespace kinvarro
