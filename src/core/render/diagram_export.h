#pragma once

#include <QSize>
#include <QString>

#include "common/status.h"
#include "render/scene.h"
#include "render/scroll_bars.h"

namespace kinvarro {

class Document;
struct ChartViewState;
class ProgressDisplay;

/// The picture file a diagram is written as.
enum class DiagramFormat { Bmp, Png };

/// Writes the whole chart to `destination` as one 24-bit BMP or PNG: the scene is
/// painted tile by tile, each of the chart area's size, over the scroll
/// ranges of `bars`, through a temporary tile file, so memory stays one tile
/// and one pixel row whatever the image size. Refuses, before writing
/// anything, an image too large for the file's size fields or for the free
/// disk space; the PNG is streamed row by row, top row first. The view origin is restored in every
/// case; on failure no partial file is left. The caller repaints the view afterwards. `view` is
/// `doc`'s own view state: the export moves it over the chart tile by tile and puts it back.
Status ExportDiagram(const Document &doc, ChartViewState &view, QSize chartArea,
                     const ScrollBars &bars, const SceneInputs &inputs, const QString &destination,
                     ProgressDisplay *progress = nullptr,
                     DiagramFormat format = DiagramFormat::Bmp);

}  // namespace kinvarro
