#pragma once

#include <QImage>
#include <QSize>

#include "model/tnode.h"

namespace kinvarro {

/// The retained raster surface of the chart area. Sizes and coordinates are
/// logical pixels; a device pixel ratio above 1 keeps the chart sharp on
/// high-density screens, while tests, kvrtool and the bitmap export use 1.
class ChartCanvas {
  public:
    explicit ChartCanvas(QSize size = QSize(), qreal devicePixelRatio = 1.0);

    /// Gives the canvas a new logical size; the picture is lost.
    void resize(QSize size);

    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    qreal devicePixelRatio() const { return ratio_; }

    const QImage &image() const { return image_; }
    QImage &image() { return image_; }

    /// Colour of a logical pixel as 0x00BBGGRR; the canvas must have ratio 1.
    TColor pixel(int x, int y) const;

  private:
    QSize size_;
    qreal ratio_;
    QImage image_;
};

/// The opaque Qt colour of a TColor; the unused high byte is ignored.
QRgb toQRgb(TColor color);
/// The TColor of a Qt colour.
TColor fromQRgb(QRgb rgb);

}  // namespace kinvarro
