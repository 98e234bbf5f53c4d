#pragma once

#include <QPainter>
#include <string_view>

#include "render/chart_painter.h"

namespace kinvarro {

/// The vector backend: draws the same shapes on any QPainter (a PDF or SVG
/// generator, a printer) as rectangles, stroked lines, real text and pictures.
/// One chart pixel is one unit of the painter's coordinates; the caller sets
/// up the device and any scaling before the paint.
class VectorPainter final : public ChartPainter {
  public:
    /// Paints on `painter`, which stays active for the painter's life, over a
    /// canvas of `size` units.
    VectorPainter(QPainter &painter, QSize size);
    ~VectorPainter() override;

    void textOut(Coord x, Coord y, const QString &line) override;
    void textOut(Coord x, Coord y, std::string_view line, int lineWidth) override;
    void rectangle(Coord left, Coord top, Coord right, Coord bottom) override;
    void fillRect(Coord left, Coord top, Coord right, Coord bottom, TColor color) override;
    void drawTiledImage(const QImage &image) override;
    void drawStretchedImage(const QImage &image) override;
    void drawImageAtOrigin(const QImage &image) override;

  protected:
    void strokeTo(Coord x, Coord y) override;
    void fontChanged() override;

  private:
    void writeText(Coord x, Coord y, const QString &line, int lineWidth);

    QPainter &painter_;
};

}  // namespace kinvarro
