#include "render/diagram_export.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <limits>

#include "model/document.h"
#include "prompts/progress_display.h"
#include "render/chart_canvas.h"
#include "render/diagram_bitmap.h"
#include "render/diagram_png.h"
#include "render/diagram_tiles.h"
#include "render/view_origin_restorer.h"

namespace kinvarro {
namespace {

QString megabytes(std::int64_t bytes) {
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1);
}

// Free space where the tile file and the bitmap go; a volume holding both
// must hold their sum. Unknown free space is not held against the export.
Status checkDiskSpace(const MessageTable &m, const QString &tileFolder, std::int64_t tileBytes,
                      const QString &destination, std::int64_t bitmapBytes) {
    const QStorageInfo tileVolume(tileFolder);
    const QStorageInfo bitmapVolume(QFileInfo(destination).absolutePath());
    const bool shared = tileVolume.isValid() && bitmapVolume.isValid() &&
                        tileVolume.rootPath() == bitmapVolume.rootPath() &&
                        tileVolume.device() == bitmapVolume.device();
    auto check = [&m](const QStorageInfo &volume, std::int64_t needed) {
        const qint64 free = volume.isValid() ? volume.bytesAvailable() : -1;
        if (free >= 0 && needed > free) {
            return Status::failure(m.text(Msg::mDiagramNoSpace)
                                       .arg(megabytes(needed), volume.rootPath(), megabytes(free)));
        }
        return Status::success();
    };
    if (shared)
        return check(tileVolume, tileBytes + bitmapBytes);
    if (Status status = check(tileVolume, tileBytes); !status)
        return status;
    return check(bitmapVolume, bitmapBytes);
}

Status checkSize(const MessageTable &m, const TileGrid &grid, DiagramFormat format) {
    if (grid.columns == 0)
        return Status::failure(m.text(Msg::mDiagramNoArea));
    const std::int64_t bitmapBytes = BitmapFileSize(grid.imageWidth(), grid.imageHeight());
    if (format == DiagramFormat::Bmp && bitmapBytes > std::numeric_limits<std::uint32_t>::max())
        return Status::failure(m.text(Msg::mDiagramTooLarge)
                                   .arg(grid.imageWidth())
                                   .arg(grid.imageHeight())
                                   .arg(megabytes(bitmapBytes)));
    const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    if (grid.imageWidth() > limit || grid.imageHeight() > limit)
        return Status::failure(
            m.text(Msg::mDiagramTooWide).arg(grid.imageWidth()).arg(grid.imageHeight()));
    return Status::success();
}

}  // namespace

Status ExportDiagram(const Document &doc, ChartViewState &view, QSize chartArea,
                     const ScrollBars &bars, const SceneInputs &inputs, const QString &destination,
                     ProgressDisplay *progress, DiagramFormat format) {
    const MessageTable &m = doc.messages();
    const TileGrid grid = DiagramTileGrid(bars, chartArea);
    if (Status status = checkSize(m, grid, format); !status)
        return status;
    // Past checkSize every tile position and image size fits in 32 bits.
    const auto width = std::int32_t(grid.imageWidth());
    const auto height = std::int32_t(grid.imageHeight());
    // A PNG's size is known only once it is compressed; its write reports a full disk.
    const std::int64_t outputBytes =
        format == DiagramFormat::Bmp ? BitmapFileSize(width, height) : 0;
    if (Status status =
            checkDiskSpace(m, QDir::tempPath(), grid.tileFileSize(), destination, outputBytes);
        !status)
        return status;

    QTemporaryFile tileFile(QDir::tempPath() + QStringLiteral("/kinvarro-diagram-XXXXXX.tiles"));
    if (!tileFile.open())
        return Status::failure(m.text(Msg::mTileFileProblem).arg(tileFile.errorString()));

    const ViewOriginRestorer restorer(view);
    const ProgressHider hider(progress);
    const ExportGauge gauge{progress, bars.ScrollBarV.Min(), bars.ScrollBarV.Max()};
    if (progress)
        progress->show(m.text(Msg::mCreatingDiagram), gauge.minimum, gauge.maximum);

    ChartCanvas canvas(chartArea);
    std::vector<char> rowBuffer;
    for (std::int64_t row = 0; row < grid.rows; ++row) {
        const auto tileY = std::int32_t(grid.rowStart(row));
        if (progress)
            progress->setPosition(tileY);
        for (std::int64_t column = 0; column < grid.columns; ++column) {
            const auto tileX = std::int32_t(grid.columnStart(column));
            view.ViewOriginX = -tileX;
            view.ViewOriginY = -tileY;
            PaintScene(canvas, doc, inputs);
            if (!AppendTile(tileFile, tileX, tileY, canvas.image(), rowBuffer))
                return Status::failure(m.text(Msg::mTileFileProblem).arg(tileFile.errorString()));
        }
    }
    if (!tileFile.flush())
        return Status::failure(m.text(Msg::mTileFileProblem).arg(tileFile.errorString()));

    // Runs are read from all over the file; unbuffered reads fetch just them.
    QFile tiles(tileFile.fileName());
    if (!tiles.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Status::failure(m.text(Msg::mTileFileProblem).arg(tiles.errorString()));
    if (format == DiagramFormat::Png)
        return WriteDiagramPng(tiles, destination, width, height, gauge, m);
    return WriteDiagramBitmap(tiles, destination, width, height, gauge, m);
}

}  // namespace kinvarro
