#include "model/chart_font.h"

#include <QImage>
#include <algorithm>

#include "text/doc_text.h"

namespace kinvarro {
namespace {

// Points to pixels as a 96-dpi screen does it.
int pointsToPixels(std::int32_t points) {
    constexpr int kLargest = 4096;
    const std::int64_t clamped = std::clamp<std::int64_t>(points, 1, kLargest);
    return int((clamped * 96 + 36) / 72);
}

}  // namespace

QFont fontForRecord(const tmyfont &record) {
    QFont font(fromDocText(record.name));
    font.setPixelSize(pointsToPixels(record.size));
    font.setBold(record.style & kStyleBold);
    font.setUnderline(record.style & kStyleUnderline);
    font.setItalic(record.style & kStyleItalic);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFontMetrics chartFontMetrics(const QFont &font) {
    static const QImage metricDevice(1, 1, QImage::Format_RGB32);
    return QFontMetrics(font, &metricDevice);
}

}  // namespace kinvarro
