#include "render/diagram_tiles.h"

#include <QtEndian>

#include "render/scroll_bars.h"

namespace kinvarro {
namespace {

constexpr int kTileHeaderSize = 16;
constexpr int kMargin = 20;

std::int64_t tileSize(int width, int height) {
    return kTileHeaderSize + std::int64_t(width) * height * 3;
}

}  // namespace

std::int64_t TileGrid::tileFileSize() const {
    return columns * rows * tileSize(tileWidth, tileHeight);
}

TileGrid DiagramTileGrid(const ScrollBars &bars, QSize chartArea) {
    TileGrid grid;
    if (chartArea.isEmpty())
        return grid;
    grid.tileWidth = chartArea.width();
    grid.tileHeight = chartArea.height();
    grid.firstX = std::int64_t(bars.ScrollBarH.Min()) - kMargin;
    grid.firstY = std::int64_t(bars.ScrollBarV.Min()) - kMargin;
    // Tiles start while the start lies below the maximum; the span is never empty.
    auto count = [](std::int64_t first, std::int64_t max, int step) {
        return (max - first + step - 1) / step;
    };
    grid.columns = count(grid.firstX, bars.ScrollBarH.Max(), grid.tileWidth);
    grid.rows = count(grid.firstY, bars.ScrollBarV.Max(), grid.tileHeight);
    return grid;
}

bool AppendTile(QIODevice &tileFile, std::int32_t x, std::int32_t y, const QImage &tile,
                std::vector<char> &rowBuffer) {
    const int width = tile.width();
    const int height = tile.height();
    char header[kTileHeaderSize];
    qToLittleEndian<std::int32_t>(x, header);
    qToLittleEndian<std::int32_t>(y, header + 4);
    qToLittleEndian<std::int32_t>(width, header + 8);
    qToLittleEndian<std::int32_t>(height, header + 12);
    bool written = tileFile.write(header, kTileHeaderSize) == kTileHeaderSize;
    rowBuffer.resize(std::size_t(width) * 3);
    for (int row = 0; row < height && written; ++row) {
        const auto *pixels = reinterpret_cast<const QRgb *>(tile.constScanLine(row));
        char *out = rowBuffer.data();
        for (int column = 0; column < width; ++column) {
            *out++ = char(qRed(pixels[column]));
            *out++ = char(qGreen(pixels[column]));
            *out++ = char(qBlue(pixels[column]));
        }
        written =
            tileFile.write(rowBuffer.data(), qint64(rowBuffer.size())) == qint64(rowBuffer.size());
    }
    return written;
}

TileFileReader::TileFileReader(QIODevice &tileFile, std::int64_t imageWidth) : file_(tileFile) {
    char header[kTileHeaderSize];
    if (!file_.seek(0) || file_.read(header, kTileHeaderSize) != kTileHeaderSize)
        return;
    const int width = qFromLittleEndian<std::int32_t>(header + 8);
    const int height = qFromLittleEndian<std::int32_t>(header + 12);
    if (width <= 0 || height <= 0 || imageWidth % width != 0)
        return;
    tileWidth_ = width;
    tileHeight_ = height;
    columns_ = imageWidth / width;
}

int TileFileReader::ReadTileRun(std::int64_t column, std::int64_t row,
                                std::vector<char> &rowBuffer) {
    if (!ok() || column < 0 || row < 0)
        return 0;
    // Every tile has the first one's size, so the tile holding the pixel is
    // found by arithmetic instead of walking the headers before it.
    const std::int64_t tileIndex = (row / tileHeight_) * columns_ + column / tileWidth_;
    const std::int64_t localColumn = column % tileWidth_;
    const std::int64_t localRow = row % tileHeight_;
    const std::int64_t offset = tileIndex * tileSize(tileWidth_, tileHeight_) + kTileHeaderSize +
                                (localRow * tileWidth_ + localColumn) * 3;
    const int count = int(tileWidth_ - localColumn);
    rowBuffer.resize(std::size_t(count) * 3);
    if (!file_.seek(offset) || file_.read(rowBuffer.data(), qint64(count) * 3) != qint64(count) * 3)
        return 0;
    return count;
}

}  // namespace kinvarro
