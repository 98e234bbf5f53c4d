#pragma once

#include <QSize>

#include "common/status.h"
#include "render/print_layout.h"
#include "render/scroll_bars.h"

class QPagedPaintDevice;

namespace kinvarro {

class Document;
struct ChartViewState;

/// Prints the whole chart, the area the bitmap diagram covers for a chart
/// area of `chartArea`, on the pages of `device` (a printer, a print preview
/// or a PDF writer) as `options` lay it out: each sheet shows its part of the
/// chart as vectors and text, a poster sheet its "row, column" label below.
/// `view` is `doc`'s own view state, moved for the paint and put back.
Status PrintChart(const Document &doc, ChartViewState &view, QSize chartArea,
                  const ScrollBars &bars, QPagedPaintDevice &device, const PrintOptions &options);

}  // namespace kinvarro
