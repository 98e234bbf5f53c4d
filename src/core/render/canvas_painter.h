#pragma once

#include <QPainter>
#include <string_view>

#include "render/chart_canvas.h"
#include "render/chart_painter.h"

namespace kinvarro {

/// The raster backend: draws on a ChartCanvas pixel by pixel, so that the
/// screen, the bitmap diagram and the tests see exactly the same pixels.
class CanvasPainter final : public ChartPainter {
  public:
    explicit CanvasPainter(ChartCanvas &canvas);
    ~CanvasPainter() override;

    void textOut(Coord x, Coord y, const QString &line) override;
    /// Its glyphs are placed from the font's advance table, or from the
    /// font's layout of the line when a character is beyond the table.
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
    void plot(Coord x, Coord y, QRgb color);
    void thinLineTo(Coord x, Coord y);
    void wideLineTo(Coord x, Coord y);
    void applyQtPen(const QPen &pen);
    /// Fills the text cell and tells whether any of the text can show.
    bool prepareText(Coord x, Coord y, int lineWidth);
    enum class TableDrawing { Drawn, NeedsTextLayout, NeedsShaping };
    /// The stretch of a line, from its left edge, that can show on the canvas.
    struct ShownRange {
        double from = 0.0;
        double to = 0.0;
    };
    /// Draws the shown glyphs of `line` from the advance table, unless a
    /// character needs the text layout (then `shownPart_` is the part of the
    /// line that shows, starting `shownPartX_` from its left edge) or is
    /// beyond the table.
    TableDrawing drawFromTable(QPointF baseline, std::string_view line, ShownRange shown);
    /// The glyphs of `run` that start within `shown`.
    QGlyphRun shownGlyphs(const QGlyphRun &run, ShownRange shown);

    QPainter painter_;
    QRgb *bits_;
    qsizetype pixelsPerLine_;
    qreal ratio_;
    QList<quint32> glyphs_;
    QList<QPointF> glyphPositions_;
    std::string_view shownPart_;
    double shownPartX_ = 0.0;
};

}  // namespace kinvarro
