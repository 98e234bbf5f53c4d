#include "render/scene.h"

#include <memory>

#include "render/canvas_painter.h"
#include "render/connection_lines.h"
#include "render/element_painter.h"
#include "render/view_mapping.h"

namespace kinvarro {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr std::int32_t kGuideFontSize = 8;

// The background belongs to the window: it neither scrolls nor zooms.
// A picture mode without a picture shows the background colour.
void paintBackground(ChartPainter &canvas, const DocumentSettings &s) {
    const QImage &picture = s.backgroundPicture;
    const PictureMode mode = picture.isNull() ? PictureMode::None : s.pictureMode;
    switch (mode) {
        case PictureMode::Tile:
            canvas.drawTiledImage(picture);
            break;
        case PictureMode::Stretch:
            canvas.drawStretchedImage(picture);
            break;
        case PictureMode::AsIs:
            canvas.fillRect(0, 0, canvas.width(), canvas.height(), s.backgroundColor);
            canvas.drawImageAtOrigin(picture);
            break;
        case PictureMode::None:
            canvas.fillRect(0, 0, canvas.width(), canvas.height(), s.backgroundColor);
            break;
    }
}

// Grid lines fall on the chart's multiples of the interval. `origin` is the
// view origin along the axis across the lines, `extent` the canvas size along
// it. An interval of 1 is no grid at any scale, as it is for the snapping.
void paintGridLines(ChartPainter &canvas, const ViewMapping &view, std::int32_t interval,
                    std::int32_t origin, int extent, bool horizontal) {
    if (interval <= 1 || view.S(interval) <= 1)
        return;
    const std::int64_t end = ToChart(extent, view.scale());
    for (std::int64_t c = ToChart(origin, view.scale()) % interval; c < end; c += interval) {
        const Coord at = view.S(c);
        if (horizontal) {
            canvas.moveTo(0, at);
            canvas.lineTo(canvas.width(), at);
        } else {
            canvas.moveTo(at, 0);
            canvas.lineTo(at, canvas.height());
        }
    }
}

void paintGuides(ChartPainter &canvas, const Document &doc, QPoint pointer) {
    const Coord x = pointer.x();
    const Coord y = pointer.y();
    canvas.setBrushColor(kWhite);
    canvas.setPenColor(kBlack);
    canvas.setPenStyle(PenStyle::Dotted);
    canvas.setPenGapColor(kWhite);
    canvas.moveTo(x, 0);
    canvas.lineTo(x, canvas.height());
    canvas.moveTo(0, y);
    canvas.lineTo(canvas.width(), y);
    canvas.setPenStyle(PenStyle::Solid);
    tmyfont font = canvas.font();
    font.size = kGuideFontSize;
    canvas.setFont(font);
    canvas.setTextBackground(kWhite);
    // Pixels from the chart origin at the current scale, not chart units.
    canvas.textOut(1, y + 1, QString::number(y - doc.view.ViewOriginY));
    canvas.textOut(x + 1, 1, QString::number(x - doc.view.ViewOriginX));
}

void paintRubberBand(ChartPainter &canvas, const RubberBand &band) {
    canvas.setBrushColor(kWhite);
    canvas.setPenColor(kBlack);
    canvas.setPenStyle(PenStyle::Dashed);
    canvas.setPenGapColor(kWhite);
    canvas.moveTo(band.x1, band.y1);
    canvas.lineTo(band.x1, band.y2);
    canvas.lineTo(band.x2, band.y2);
    canvas.lineTo(band.x2, band.y1);
    canvas.lineTo(band.x1, band.y1);
    canvas.setPenStyle(PenStyle::Solid);
}

std::unique_ptr<ChildGroupLookup> makeLookup(const ElementTable &table, ChildGroupSearch search) {
    if (search == ChildGroupSearch::ScanPerLine)
        return std::make_unique<TableScanLookup>(table);
    return std::make_unique<ChildGroups>(table);
}

}  // namespace

void PaintScene(ChartCanvas &surface, const Document &doc, const SceneInputs &inputs,
                ChildGroupSearch search) {
    CanvasPainter canvas(surface);
    PaintScene(canvas, doc, inputs, search);
}

void PaintScene(ChartPainter &canvas, const Document &doc, const SceneInputs &inputs,
                ChildGroupSearch search) {
    const DocumentSettings &s = doc.settings;
    const ElementTable &table = doc.NodeTable;
    const ViewMapping view(doc);
    RecordToScaledFont(s.chartFont, canvas, s.scale);
    paintBackground(canvas, s);

    const std::unique_ptr<ChildGroupLookup> groups = makeLookup(table, search);
    if (s.showShadow) {
        for (int i = 0; i < table.NodeCount(); ++i) {
            if (table[i].isPerson())
                PaintConnectionLines(canvas, doc, i, PaintPass::Shadow, *groups);
        }
        for (int i = 0; i < table.NodeCount(); ++i) {
            if (table[i].isPerson())
                PaintElement(canvas, doc, i, PaintPass::Shadow);
        }
    }

    // The grid takes the frame width, the width the element painters leave
    // the pen at.
    canvas.setPenWidth(BorderWidth(s));
    canvas.setPenColor(s.gridColor);
    if (s.showHGrid)
        paintGridLines(canvas, view, s.hGridInterval, doc.view.ViewOriginY, canvas.height(), true);
    if (s.showVGrid)
        paintGridLines(canvas, view, s.vGridInterval, doc.view.ViewOriginX, canvas.width(), false);

    if (s.showTimeLines) {
        for (int i = 0; i < table.NodeCount(); ++i) {
            if (table[i].isHistoricalEvent())
                PaintElement(canvas, doc, i, PaintPass::Normal);
        }
    }
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (table[i].isPerson())
            PaintConnectionLines(canvas, doc, i, PaintPass::Normal, *groups);
    }
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (table[i].isPerson())
            PaintElement(canvas, doc, i, PaintPass::Normal);
    }

    if (s.showGuides && inputs.pointer)
        paintGuides(canvas, doc, *inputs.pointer);
    if (inputs.RubberBandActive)
        paintRubberBand(canvas, inputs.rubberBand);
}

}  // namespace kinvarro
