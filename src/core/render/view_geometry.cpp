#include "render/view_geometry.h"

#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <limits>

#include "render/text_lines.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

std::int32_t saturate(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    return std::int32_t(std::clamp(value, lo, hi));
}

std::int32_t keepNonZero(std::int32_t result, std::int32_t v) {
    if (result == 0 && v != 0)
        return v > 0 ? 1 : -1;
    return result;
}

// Points to pixels as a 96-dpi screen does it.
int pointsToPixels(std::int32_t points) {
    constexpr int kLargest = 4096;
    const std::int64_t clamped = std::clamp<std::int64_t>(points, 1, kLargest);
    return int((clamped * 96 + 36) / 72);
}

}  // namespace

std::int32_t ToScreen(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::trunc(double(v) * double(scale))), v);
}

std::int32_t ToScreenRounded(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::nearbyint(double(v) * double(scale))), v);
}

std::int32_t ToChart(std::int32_t v, float scale) {
    return keepNonZero(saturate(std::trunc(double(v) / double(scale))), v);
}

QFontMetrics chartFontMetrics(const QFont &font) {
    static const QImage metricDevice(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &metricDevice);
}

NameExtent MeasureMultiLineText(std::string_view text, const QFont &font) {
    return MeasureMultiLineText(text, chartFontMetrics(font));
}

NameExtent MeasureMultiLineText(std::string_view text, const QFontMetrics &metrics) {
    return MeasureLines(text, metrics).extent();
}

QFont fontForRecord(const tmyfont &record) {
    QFont font(fromCp1251(record.name));
    font.setPixelSize(pointsToPixels(record.size));
    font.setBold(record.style & kStyleBold);
    font.setUnderline(record.style & kStyleUnderline);
    font.setItalic(record.style & kStyleItalic);
    return font;
}

}  // namespace kinvarro
