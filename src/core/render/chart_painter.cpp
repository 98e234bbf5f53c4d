#include "render/chart_painter.h"

#include <QFontMetrics>
#include <cstdlib>

namespace kinvarro {

ChartPainter::ChartPainter(int width, int height)
    : width_(width), height_(height), advances_(AdvanceTable::of(font_)) {}

ChartPainter::~ChartPainter() = default;

void ChartPainter::setFont(const tmyfont &font) {
    const bool sameFace =
        font.name == font_.name && font.size == font_.size && font.style == font_.style;
    font_ = font;
    if (sameFace)
        return;
    advances_ = AdvanceTable::of(font_);
    fontChanged();
}

MeasuredText ChartPainter::measureLines(std::string_view text) const {
    return MeasureLines(text, *advances_);
}

QSize ChartPainter::textExtent(const QString &line) const {
    return QSize(advances_->metrics().horizontalAdvance(line), advances_->lineHeight());
}

void ChartPainter::moveTo(Coord x, Coord y) {
    penX_ = x;
    penY_ = y;
    patternPhase_ = 0;
}

void ChartPainter::lineTo(Coord x, Coord y) {
    strokeTo(x, y);
    if (penStyle_ != PenStyle::Solid) {
        const DashPattern pattern = penStyle_ == PenStyle::Dotted ? kDotted : kDashed;
        const std::int64_t period = pattern.on + pattern.off;
        patternPhase_ =
            (patternPhase_ + std::max(std::abs(x - penX_), std::abs(y - penY_))) % period;
    }
    penX_ = x;
    penY_ = y;
}

void ChartPainter::patternedFrame(Coord left, Coord top, Coord right, Coord bottom) {
    const Coord x = penX_;
    const Coord y = penY_;
    moveTo(left, top);
    lineTo(right - 1, top);
    lineTo(right - 1, bottom - 1);
    lineTo(left, bottom - 1);
    lineTo(left, top);
    moveTo(x, y);
}

}  // namespace kinvarro
