#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

#include "common/status.h"

namespace kinvarro {

struct ScrollBars;

/// Tiles of the chart area's size laid over the scroll ranges, starting 20
/// pixels before them; positions are screen pixels from the chart origin.
struct TileGrid {
    std::int64_t firstX = 0;
    std::int64_t firstY = 0;
    std::int64_t columns = 0;
    std::int64_t rows = 0;
    int tileWidth = 0;
    int tileHeight = 0;

    std::int64_t imageWidth() const { return columns * tileWidth; }
    std::int64_t imageHeight() const { return rows * tileHeight; }
    std::int64_t columnStart(std::int64_t column) const { return firstX + column * tileWidth; }
    std::int64_t rowStart(std::int64_t row) const { return firstY + row * tileHeight; }
    /// Bytes of the temporary tile file: a 16-byte header and 3 bytes a pixel per tile.
    std::int64_t tileFileSize() const;
};

/// The grid for the current scroll ranges and a chart area of `chartArea`;
/// an empty area gives an empty grid.
TileGrid DiagramTileGrid(const ScrollBars &bars, QSize chartArea);

/// Appends one tile to the tile file: its header (x, y, width, height as
/// int32 little-endian), then its pixels row by row as red, green, blue.
/// `rowBuffer` is reused from tile to tile. Returns whether the tile was
/// written; the file's error string says why not.
bool AppendTile(QIODevice &tileFile, std::int32_t x, std::int32_t y, const QImage &tile,
                std::vector<char> &rowBuffer);

/// Reads pixel runs back out of a tile file written for an image `imageWidth`
/// pixels wide, tile row by tile row, tiles left to right.
class TileFileReader {
  public:
    /// Reads the first tile's header; check ok() before reading runs.
    TileFileReader(QIODevice &tileFile, std::int64_t imageWidth);
    bool ok() const { return tileWidth_ > 0 && tileHeight_ > 0; }

    /// Reads the pixels of image row `row` from image column `column` to the
    /// right edge of the tile holding them into `rowBuffer` (3 bytes a pixel,
    /// red, green, blue) and returns their number, or 0 when the file fails.
    int ReadTileRun(std::int64_t column, std::int64_t row, std::vector<char> &rowBuffer);

  private:
    QIODevice &file_;
    std::int64_t columns_ = 0;
    int tileWidth_ = 0;
    int tileHeight_ = 0;
};

}  // namespace kinvarro
