#pragma once

#include <QIODevice>
#include <QString>
#include <array>
#include <cstdint>

#include "common/status.h"

namespace kinvarro {

class MessageTable;
class ProgressDisplay;

/// Zero bytes after each pixel row of a 24-bit BMP `width` pixels wide, so
/// that every row takes a multiple of 4 bytes.
int BitmapRowPadding(std::int64_t width);

/// Size of the 24-bit BMP file of a width x height image.
std::int64_t BitmapFileSize(std::int64_t width, std::int64_t height);

/// The 54-byte header of a bottom-up, uncompressed 24-bit BMP; the image's
/// file size must fit the 32-bit size field.
std::array<char, 54> BitmapHeader(std::int32_t width, std::int32_t height);

/// The gauge the export's two phases share.
struct ExportGauge {
    ProgressDisplay *display = nullptr;
    int minimum = 0;
    int maximum = 0;
};

/// Assembles the BMP at `destination` from the tile file of a width x height
/// image, bottom row first. The file appears only when it is complete.
Status WriteDiagramBitmap(QIODevice &tileFile, const QString &destination, std::int32_t width,
                          std::int32_t height, const ExportGauge &gauge,
                          const MessageTable &messages);

}  // namespace kinvarro
