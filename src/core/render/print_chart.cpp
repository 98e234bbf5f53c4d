#include "render/print_chart.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "model/document.h"
#include "render/diagram_tiles.h"
#include "render/scene.h"
#include "render/vector_painter.h"
#include "render/view_origin_restorer.h"

namespace kinvarro {

Status PrintChart(const Document &doc, ChartViewState &view, QSize chartArea,
                  const ScrollBars &bars, QPagedPaintDevice &device, const PrintOptions &options) {
    const MessageTable &m = doc.messages();
    const TileGrid grid = DiagramTileGrid(bars, chartArea);
    if (grid.columns == 0)
        return Status::failure(m.text(Msg::mDiagramNoArea));
    if (grid.imageWidth() > (1 << 24) || grid.imageHeight() > (1 << 24))
        return Status::failure(
            m.text(Msg::mChartTooLargeForPage).arg(grid.imageWidth()).arg(grid.imageHeight()));
    const QSize chart(int(grid.imageWidth()), int(grid.imageHeight()));
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.paintRect(QPageLayout::Point);
    const std::vector<PrintPage> pages = LayOutPrint(QSizeF(chart), paper.size(), options);
    if (pages.empty())
        return Status::failure(m.text(Msg::mPageHasNoRoom));

    const ViewOriginRestorer restorer(view);
    view.ViewOriginX = std::int32_t(-grid.firstX);
    view.ViewOriginY = std::int32_t(-grid.firstY);
    QPainter painter;
    if (!painter.begin(&device))
        return Status::failure(m.text(Msg::mPrinterFailed));
    // The painter works in device pixels from the printable area's corner.
    const double pointToDevice = device.logicalDpiX() / 72.0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PrintPage &page = pages[i];
        if (i > 0 && !device.newPage())
            return Status::failure(m.text(Msg::mPrinterFailed));
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
