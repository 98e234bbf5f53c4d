#pragma once

#include <QIODevice>
#include <QString>
#include <cstdint>

#include "common/status.h"
#include "render/diagram_bitmap.h"

namespace kinvarro {

/// Assembles the PNG at `destination` from the tile file of a width x height
/// image, streaming it to the compressor one row at a time, top row first,
/// so that memory holds one pixel row whatever the image size. The file
/// appears only when it is complete.
Status WriteDiagramPng(QIODevice &tileFile, const QString &destination, std::int32_t width,
                       std::int32_t height, const ExportGauge &gauge, const MessageTable &messages);

}  // namespace kinvarro
