#include "render/print_chart.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "model/document.h"
#include "render/diagram_tiles.h"
#include "render/scene.h"
#include "render/vector_painter.h"

namespace kinvarro {
namespace {

class ViewOriginScope {
  public:
    ViewOriginScope(ChartViewState &view, std::int64_t x, std::int64_t y)
        : view_(view), x_(view.ViewOriginX), y_(view.ViewOriginY) {
        view_.ViewOriginX = std::int32_t(-x);
        view_.ViewOriginY = std::int32_t(-y);
    }
    ~ViewOriginScope() {
        view_.ViewOriginX = x_;
        view_.ViewOriginY = y_;
    }
    ViewOriginScope(const ViewOriginScope &) = delete;
    ViewOriginScope &operator=(const ViewOriginScope &) = delete;

  private:
    ChartViewState &view_;
    std::int32_t x_;
    std::int32_t y_;
};

}  // namespace

Status PrintChart(const Document &doc, ChartViewState &view, QSize chartArea,
                  const ScrollBars &bars, QPagedPaintDevice &device, const PrintOptions &options) {
    const TileGrid grid = DiagramTileGrid(bars, chartArea);
    if (grid.columns == 0 || grid.imageWidth() > (1 << 24) || grid.imageHeight() > (1 << 24))
        return Status::failure(QStringLiteral("The chart has no size that can be printed."));
    const QSize chart(int(grid.imageWidth()), int(grid.imageHeight()));
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.paintRect(QPageLayout::Point);
    const std::vector<PrintPage> pages = LayOutPrint(QSizeF(chart), paper.size(), options);
    if (pages.empty())
        return Status::failure(QStringLiteral("The page has no room to print on."));

    const ViewOriginScope origin(view, grid.firstX, grid.firstY);
    QPainter painter;
    if (!painter.begin(&device))
        return Status::failure(QStringLiteral("The printer cannot be started."));
    // The painter works in device pixels from the printable area's corner.
    const double pointToDevice = device.logicalDpiX() / 72.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PrintPage &page = pages[i];
        if (i > 0 && !device.newPage())
            return Status::failure(QStringLiteral("The printer cannot start a new page."));
        painter.save();
        painter.scale(pointToDevice, pointToDevice);
        if (!page.label.isEmpty()) {
            QFont font = painter.font();
            font.setPixelSize(9);  // in points: the painter is scaled to them
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(0, paper.height() - kPageLabelHeight, paper.width(), kPageLabelHeight),
                Qt::AlignLeft | Qt::AlignVCenter, page.label);
        }
        painter.setClipRect(page.target);
        painter.translate(page.target.topLeft());
        painter.scale(page.target.width() / page.chartArea.width(),
                      page.target.height() / page.chartArea.height());
        painter.translate(-page.chartArea.topLeft());
        VectorPainter canvas(painter, chart);
        PaintScene(canvas, doc);
        painter.restore();
    }
    painter.end();
    return Status::success();
}

}  // namespace kinvarro
