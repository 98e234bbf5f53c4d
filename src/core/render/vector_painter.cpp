#include "render/vector_painter.h"

#include "render/chart_canvas.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

QColor colorOf(TColor color) {
    return QColor(toQRgb(color));
}

// A pen of odd width has a pixel's centre on its centre line, an even one a
// pixel edge; this keeps the strokes where the raster backend puts them.
double centreOffset(int penWidth) {
    return penWidth % 2 == 1 ? 0.5 : 0.0;
}

QRectF area(Coord left, Coord top, Coord right, Coord bottom) {
    return QRectF(double(left), double(top), double(right - left), double(bottom - top));
}

}  // namespace

VectorPainter::VectorPainter(QPainter &painter, QSize size)
    : ChartPainter(size.width(), size.height()), painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setFont(advances().font());
}

VectorPainter::~VectorPainter() = default;

void VectorPainter::fontChanged() {
    painter_.setFont(advances().font());
}

void VectorPainter::textOut(Coord x, Coord y, const QString &line) {
    writeText(x, y, line, advances().metrics().horizontalAdvance(line));
}

void VectorPainter::textOut(Coord x, Coord y, std::string_view line, int lineWidth) {
    // Written as text, so that PDF and SVG keep the names; lines beyond the
    // code page are laid out by the device with shaping and font fallback.
    const bool inTable = AdvanceTable::forEachCp1251Byte(line, [](unsigned char) {});
    if (!inTable)
        painter_.setFont(advances().shapedLine(line).font);
    writeText(x, y, fromDocText(line), lineWidth);
    if (!inTable)
        painter_.setFont(advances().font());
}

void VectorPainter::writeText(Coord x, Coord y, const QString &line, int lineWidth) {
    if (const std::optional<TColor> background = textBackground())
        fillRect(x, y, x + lineWidth, y + advances().lineHeight(), *background);
    if (line.isEmpty())
        return;
    painter_.setPen(QPen(colorOf(font().color)));
    painter_.drawText(QPointF(double(x), double(y + advances().ascent())), line);
}

void VectorPainter::strokeTo(Coord x, Coord y) {
    if (x == penX() && y == penY())
        return;
    const double offset = centreOffset(penStyle() == PenStyle::Solid ? penWidth() : 1);
    const QLineF line(double(penX()) + offset, double(penY()) + offset, double(x) + offset,
                      double(y) + offset);
    if (penStyle() == PenStyle::Solid) {
        const Qt::PenCapStyle cap = penWidth() > 1 ? Qt::RoundCap : Qt::FlatCap;
        painter_.setPen(QPen(colorOf(penColor()), penWidth(), Qt::SolidLine, cap, Qt::RoundJoin));
        painter_.drawLine(line);
        return;
    }
    if (const std::optional<TColor> gap = penGapColor()) {
        painter_.setPen(QPen(colorOf(*gap), 1, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(line);
    }
    const DashPattern pattern = penStyle() == PenStyle::Dotted ? kDotted : kDashed;
    QPen pen(colorOf(penColor()), 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({qreal(pattern.on), qreal(pattern.off)});
    pen.setDashOffset(qreal(patternPhase()));
    painter_.setPen(pen);
    painter_.drawLine(line);
}

void VectorPainter::rectangle(Coord left, Coord top, Coord right, Coord bottom) {
    if (right <= left || bottom <= top)
        return;
    if (penStyle() != PenStyle::Solid) {
        fillRect(left, top, right, bottom, brushColor());
        patternedFrame(left, top, right, bottom);
        return;
    }
    // One stroked and filled box whose outer edge is the raster frame's.
    const int w = penWidth();
    const Coord before = w / 2;
    const double half = w / 2.0;
    const QRectF outer =
        area(left - before, top - before, right - 1 - before + w, bottom - 1 - before + w);
    painter_.setPen(QPen(colorOf(penColor()), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(colorOf(brushColor()));
    painter_.drawRect(outer.adjusted(half, half, -half, -half));
    painter_.setBrush(Qt::NoBrush);
}

void VectorPainter::fillRect(Coord left, Coord top, Coord right, Coord bottom, TColor color) {
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(area(left, top, right, bottom), colorOf(color));
}

void VectorPainter::drawTiledImage(const QImage &image) {
    painter_.fillRect(QRectF(0, 0, width(), height()), QBrush(image));
}

void VectorPainter::drawStretchedImage(const QImage &image) {
    painter_.drawImage(QRectF(0, 0, width(), height()), image);
}

void VectorPainter::drawImageAtOrigin(const QImage &image) {
    painter_.drawImage(QPointF(0, 0), image);
}

}  // namespace kinvarro
