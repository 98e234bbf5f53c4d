#include "model/document_settings.h"

#include <cmath>

namespace kinvarro {

void DocumentSettings::reset() {
    QImage picture = std::move(backgroundPicture);
    const std::uint8_t charset = chartFont.charset;
    *this = DocumentSettings{};
    backgroundPicture = std::move(picture);
    chartFont.charset = charset;
}

std::uint32_t DocumentSettings::scalePercent() const {
    // nearbyint rounds halves to even in the default rounding mode.
    const double percent = std::nearbyint(double(scale) * 100.0);
    if (!(percent >= 0))
        return 0;
    if (percent > 4294967295.0)
        return 4294967295u;
    return std::uint32_t(percent);
}

TColor fillColorForSex(const DocumentSettings &settings, std::uint8_t sex) {
    switch (sex) {
        case kSexMan:
            return settings.manBackColor;
        case kSexWoman:
            return settings.womanBackColor;
        default:
            return settings.otherBackColor;
    }
}

}  // namespace kinvarro
