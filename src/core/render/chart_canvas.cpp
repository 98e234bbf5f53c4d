#include "render/chart_canvas.h"

#include <cmath>

namespace kinvarro {

ChartCanvas::ChartCanvas(QSize size, qreal devicePixelRatio) : ratio_(devicePixelRatio) {
    resize(size);
}

void ChartCanvas::resize(QSize size) {
    size_ = size.expandedTo(QSize(0, 0));
    const QSize device(int(std::ceil(size_.width() * ratio_)),
                       int(std::ceil(size_.height() * ratio_)));
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(Qt::white);
}

TColor ChartCanvas::pixel(int x, int y) const {
    return fromQRgb(image_.pixel(x, y));
}

QRgb toQRgb(TColor color) {
    const auto c = std::uint32_t(color);
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor fromQRgb(QRgb rgb) {
    return TColor(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

}  // namespace kinvarro
