#pragma once

#include <QSize>
#include <QSizeF>
#include <QString>

#include "common/status.h"
#include "render/scene.h"
#include "render/scroll_bars.h"

namespace kinvarro {

class Document;
struct ChartViewState;
class ProgressDisplay;

enum class VectorFormat { Pdf, Svg };

/// A PDF 1.x page is at most 200 inches, 14400 points, along each side.
inline constexpr double kPdfMaxPagePoints = 14400.0;

/// The factor a chart of `chart` pixels, one point each, is scaled by to fit
/// a PDF page: 1 where it fits, less where a side would pass the limit.
double PdfPageScale(QSizeF chart);

/// Writes the whole chart, the area the bitmap diagram covers for a chart
/// area of `chartArea`, to `destination` as one PDF page or one SVG picture of
/// the chart's size, with shapes as vectors and names as text. A chart pixel
/// is one point; a PDF page too large for the format is scaled down to fit.
/// `view` is `doc`'s own view state, moved for the paint and put back.
Status ExportVector(const Document &doc, ChartViewState &view, QSize chartArea,
                    const ScrollBars &bars, const QString &destination, VectorFormat format,
                    ProgressDisplay *progress = nullptr);

}  // namespace kinvarro
