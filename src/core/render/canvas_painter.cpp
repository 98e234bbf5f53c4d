#include "render/canvas_painter.h"

#include <QGlyphRun>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "render/thin_line.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// Lines longer than this, in bytes, are far wider than any canvas: only the
// part that shows is handed to Qt.
constexpr std::size_t kLongLine = 1024;

// Qt's raster engine works in fixed point and cuts paths beyond 2^23 pixels.
constexpr double kQtExactRange = double(1 << 22);

// Cuts the segment to the rectangle [left, right] x [top, bottom]
// (Liang-Barsky); false when nothing of it lies inside.
bool clipSegment(QLineF &line, double left, double top, double right, double bottom) {
    const double x0 = line.x1();
    const double y0 = line.y1();
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = line.dx();
    const double dy = line.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, right - x0, y0 - top, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1)
            return false;
    }
    line = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

}  // namespace

CanvasPainter::CanvasPainter(ChartCanvas &canvas)
    : ChartPainter(canvas.width(), canvas.height()),
      painter_(&canvas.image()),
      bits_(reinterpret_cast<QRgb *>(canvas.image().bits())),
      pixelsPerLine_(canvas.image().bytesPerLine() / qsizetype(sizeof(QRgb))),
      ratio_(canvas.devicePixelRatio()) {
    painter_.setFont(advances().font());
}

CanvasPainter::~CanvasPainter() = default;

void CanvasPainter::fontChanged() {
    painter_.setFont(advances().font());
}

void CanvasPainter::textOut(Coord x, Coord y, const QString &line) {
    const int lineWidth = advances().metrics().horizontalAdvance(line);
    if (prepareText(x, y, lineWidth))
        painter_.drawText(QPointF(double(x), double(y + advances().ascent())), line);
}

void CanvasPainter::textOut(Coord x, Coord y, std::string_view line, int lineWidth) {
    if (!prepareText(x, y, lineWidth))
        return;
    const QPointF baseline(double(x), double(y + advances().ascent()));
    // Glyphs overhang their cells a little; a line height of margin is ample.
    const double margin = advances().lineHeight();
    const ShownRange shown{-baseline.x() - margin, width() - baseline.x() + margin};
    switch (drawFromTable(baseline, line, shown)) {
        case TableDrawing::Drawn:
            break;
        case TableDrawing::NeedsTextLayout:
            // Cut only where it pays: the layout may place a cut line a pixel apart.
            if (line.size() <= kLongLine) {
                painter_.drawText(baseline, fromDocText(line));
            } else {
                painter_.drawText(baseline + QPointF(shownPartX_, 0.0), fromDocText(shownPart_));
            }
            break;
        case TableDrawing::NeedsShaping: {
            // The very glyph runs the line was measured by, so the box fits.
            const ShapedLine shaped = advances().shapedLine(line);
            const bool whole = line.size() <= kLongLine;
            // Only where glyphs start is known here: a wide one may start further left.
            const ShownRange starts{shown.from - 4 * margin, shown.to};
            for (const QGlyphRun &run : shaped.glyphRuns)
                painter_.drawGlyphRun(baseline, whole ? run : shownGlyphs(run, starts));
            break;
        }
    }
}

bool CanvasPainter::prepareText(Coord x, Coord y, int lineWidth) {
    const int lineHeight = advances().lineHeight();
    if (textBackground())
        fillRect(x, y, x + lineWidth, y + lineHeight, *textBackground());
    // Glyphs may overhang their cell a little; a line height of margin is ample.
    if (x >= width() || y >= height() || x + lineWidth + lineHeight <= 0 || y + 2 * lineHeight <= 0)
        return false;
    applyQtPen(QPen(QColor(toQRgb(font().color))));
    return true;
}

CanvasPainter::TableDrawing CanvasPainter::drawFromTable(QPointF baseline, std::string_view line,
                                                         ShownRange shown) {
    glyphs_.clear();
    glyphPositions_.clear();
    std::int64_t at = 0;
    bool ownGlyphs = true;
    std::size_t shownFrom = line.size();
    std::size_t shownEnd = 0;
    shownPartX_ = 0.0;
    // Only the glyphs that reach into the canvas are handed to Qt: a name may
    // be a megabyte long, drawn again for every strip of a large picture.
    const bool inTable = AdvanceTable::forEachCp1251Byte(
        line, [&](unsigned char byte, std::size_t start, std::size_t end) {
            const quint32 glyph = advances().glyph(byte);
            const std::int32_t advance = advances().advance(byte);
            ownGlyphs = ownGlyphs && glyph != 0;
            if (double(at + advance) >= shown.from && double(at) <= shown.to) {
                glyphs_.append(glyph);
                glyphPositions_.append(QPointF(double(at), 0.0));
                if (shownFrom == line.size()) {
                    shownFrom = start;
                    shownPartX_ = double(at);
                }
                shownEnd = end;
            }
            at += advance;
        });
    shownPart_ =
        shownFrom < shownEnd ? line.substr(shownFrom, shownEnd - shownFrom) : std::string_view();
    if (!inTable)
        return TableDrawing::NeedsShaping;
    // Decorations are left to the text layout, which draws them.
    if (!ownGlyphs || (font().style & kStyleUnderline))
        return TableDrawing::NeedsTextLayout;
    if (glyphs_.isEmpty())
        return TableDrawing::Drawn;
    QGlyphRun run;
    run.setRawFont(advances().rawFont());
    run.setGlyphIndexes(glyphs_);
    run.setPositions(glyphPositions_);
    painter_.drawGlyphRun(baseline, run);
    return TableDrawing::Drawn;
}

QGlyphRun CanvasPainter::shownGlyphs(const QGlyphRun &run, ShownRange shown) {
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    glyphs_.clear();
    glyphPositions_.clear();
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        if (positions[i].x() >= shown.from && positions[i].x() <= shown.to) {
            glyphs_.append(indexes[i]);
            glyphPositions_.append(positions[i]);
        }
    }
    QGlyphRun part = run;
    part.setGlyphIndexes(glyphs_);
    part.setPositions(glyphPositions_);
    return part;
}

void CanvasPainter::strokeTo(Coord x, Coord y) {
    if (penStyle() == PenStyle::Solid && penWidth() > 1) {
        wideLineTo(x, y);
    } else {
        thinLineTo(x, y);
    }
}

void CanvasPainter::thinLineTo(Coord x, Coord y) {
    const QRgb color = toQRgb(penColor());
    if (penStyle() == PenStyle::Solid) {
        WalkThinLine(penX(), penY(), x, y, width(), height(),
                     [&](Coord px, Coord py, std::int64_t) { plot(px, py, color); });
        return;
    }
    const DashPattern pattern = penStyle() == PenStyle::Dotted ? kDotted : kDashed;
    const std::int64_t period = pattern.on + pattern.off;
    const bool fillGaps = penGapColor().has_value();
    const QRgb gap = toQRgb(penGapColor().value_or(0));
    const std::int64_t phase = patternPhase();
    WalkThinLine(penX(), penY(), x, y, width(), height(),
                 [&](Coord px, Coord py, std::int64_t step) {
                     if ((phase + step) % period < pattern.on) {
                         plot(px, py, color);
                     } else if (fillGaps) {
                         plot(px, py, gap);
                     }
                 });
}

void CanvasPainter::wideLineTo(Coord x, Coord y) {
    if (x == penX() && y == penY())
        return;
    const QLineF line{double(penX()), double(penY()), double(x), double(y)};
    // Beyond a pen width outside the canvas nothing of the stroke shows.
    QLineF visible = line;
    const double margin = penWidth();
    if (!clipSegment(visible, -margin, -margin, width() + margin, height() + margin))
        return;
    // Cutting a line moves its pixels by rounding, so it is handed to Qt whole
    // unless it reaches past the coordinates Qt's rasteriser takes exactly.
    const bool withinQtRange = std::max({std::abs(line.x1()), std::abs(line.y1()),
                                         std::abs(line.x2()), std::abs(line.y2())}) < kQtExactRange;
    applyQtPen(
        QPen(QColor(toQRgb(penColor())), penWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(withinQtRange ? line : visible);
}

void CanvasPainter::rectangle(Coord left, Coord top, Coord right, Coord bottom) {
    if (right <= left || bottom <= top)
        return;
    fillRect(left, top, right, bottom, brushColor());
    if (penStyle() != PenStyle::Solid) {
        patternedFrame(left, top, right, bottom);
        return;
    }
    const Coord before = penWidth() / 2;
    const Coord outerLeft = left - before;
    const Coord outerTop = top - before;
    const Coord outerRight = right - 1 - before + penWidth();
    const Coord outerBottom = bottom - 1 - before + penWidth();
    fillRect(outerLeft, outerTop, outerRight, outerTop + penWidth(), penColor());
    fillRect(outerLeft, outerBottom - penWidth(), outerRight, outerBottom, penColor());
    fillRect(outerLeft, outerTop, outerLeft + penWidth(), outerBottom, penColor());
    fillRect(outerRight - penWidth(), outerTop, outerRight, outerBottom, penColor());
}

void CanvasPainter::fillRect(Coord left, Coord top, Coord right, Coord bottom, TColor color) {
    left = std::max<Coord>(left, 0);
    top = std::max<Coord>(top, 0);
    right = std::min<Coord>(right, width());
    bottom = std::min<Coord>(bottom, height());
    if (left >= right || top >= bottom)
        return;
    const QRgb rgb = toQRgb(color);
    if (ratio_ == 1.0) {
        for (Coord row = top; row < bottom; ++row)
            std::fill_n(bits_ + row * pixelsPerLine_ + left, right - left, rgb);
        return;
    }
    auto device = [this](Coord v) { return qsizetype(std::ceil(double(v) * ratio_ - 0.5)); };
    for (qsizetype row = device(top); row < device(bottom); ++row)
        std::fill_n(bits_ + row * pixelsPerLine_ + device(left), device(right) - device(left), rgb);
}

void CanvasPainter::plot(Coord x, Coord y, QRgb color) {
    if (ratio_ == 1.0) {
        bits_[y * pixelsPerLine_ + x] = color;
    } else {
        fillRect(x, y, x + 1, y + 1, fromQRgb(color));
    }
}

void CanvasPainter::drawTiledImage(const QImage &image) {
    painter_.fillRect(QRect(0, 0, width(), height()), QBrush(image));
}

void CanvasPainter::drawStretchedImage(const QImage &image) {
    painter_.drawImage(QRect(0, 0, width(), height()), image);
}

void CanvasPainter::drawImageAtOrigin(const QImage &image) {
    painter_.drawImage(QPoint(0, 0), image);
}

void CanvasPainter::applyQtPen(const QPen &pen) {
    if (painter_.pen() != pen)
        painter_.setPen(pen);
}

}  // namespace kinvarro
