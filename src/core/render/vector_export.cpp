#include "render/vector_export.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "model/document.h"
#include "prompts/progress_display.h"
#include "render/diagram_tiles.h"
#include "render/vector_painter.h"
#include "render/view_origin_restorer.h"
#include "settings/write_cause.h"

namespace kinvarro {
namespace {

// Qt places shapes in 32-bit device coordinates; a chart beyond them is too
// large for any page or picture.
constexpr std::int64_t kLargestSide = 1 << 24;

void paintChart(QPaintDevice &device, const Document &doc, QSize size, double scale) {
    QPainter painter(&device);
    painter.scale(scale, scale);
    VectorPainter canvas(painter, size);
    PaintScene(canvas, doc);
}

void writePdf(QIODevice &out, const Document &doc, QSize size) {
    const double scale = PdfPageScale(QSizeF(size));
    QPdfWriter pdf(&out);
    pdf.setResolution(72);
    pdf.setCreator(QStringLiteral("Kinvarro"));
    // Page sizes are kept in whole points; rounding up keeps the whole chart.
    const QSizeF page(std::ceil(size.width() * scale), std::ceil(size.height() * scale));
    pdf.setPageSize(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    paintChart(pdf, doc, size, scale);
}

void writeSvg(QIODevice &out, const Document &doc, QSize size) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(72);
    svg.setTitle(QStringLiteral("Kinvarro"));
    paintChart(svg, doc, size, 1.0);
}

}  // namespace

double PdfPageScale(QSizeF chart) {
    const double longest = std::max(chart.width(), chart.height());
    return longest > kPdfMaxPagePoints ? kPdfMaxPagePoints / longest : 1.0;
}

Status ExportVector(const Document &doc, ChartViewState &view, QSize chartArea,
                    const ScrollBars &bars, const QString &destination, VectorFormat format,
                    ProgressDisplay *progress) {
    const MessageTable &m = doc.messages();
    const TileGrid grid = DiagramTileGrid(bars, chartArea);
    if (grid.columns == 0)
        return Status::failure(m.text(Msg::mDiagramNoArea));
    if (grid.imageWidth() > kLargestSide || grid.imageHeight() > kLargestSide)
        return Status::failure(
            m.text(Msg::mChartTooLargeForPage).arg(grid.imageWidth()).arg(grid.imageHeight()));
    const QSize size(int(grid.imageWidth()), int(grid.imageHeight()));

    const ProgressHider hider(progress);
    if (progress)
        progress->show(m.text(Msg::mCreatingDiagram), 0, 0);
    // The picture is made in memory first: the writers do not check what the file
    // takes, and a full disk must not leave a cut picture behind.
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    {
        const ViewOriginRestorer restorer(view);
        view.ViewOriginX = std::int32_t(-grid.firstX);
        view.ViewOriginY = std::int32_t(-grid.firstY);
        if (format == VectorFormat::Pdf) {
            writePdf(picture, doc, size);
        } else {
            writeSvg(picture, doc, size);
        }
    }
    const QByteArray &bytes = picture.data();
    ClearSystemCause();
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !CommitSave(out))
        return Status::failure(
            FileProblemText(m, Msg::mCannotWrite, destination, WriteCause(m, out)));
    return Status::success();
}

}  // namespace kinvarro
