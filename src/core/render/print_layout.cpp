#include "render/print_layout.h"

#include <algorithm>
#include <cmath>

namespace kinvarro {
namespace {

constexpr double kSmallestScale = 0.001;
// A poster of more sheets than this is a mistake in the scale, not a chart.
constexpr double kMostPagesPerSide = 100;

// Sheets along one side: the first holds a full page, each further one adds
// a page less the overlap.
int sheetsAlong(double length, double page, double overlap) {
    if (length <= page)
        return 1;
    const double step = page - overlap;
    return int(std::min(kMostPagesPerSide, std::ceil((length - overlap) / step)));
}

}  // namespace

std::vector<PrintPage> LayOutPrint(QSizeF chart, QSizeF page, const PrintOptions &options) {
    std::vector<PrintPage> pages;
    if (chart.isEmpty() || page.isEmpty())
        return pages;
    if (options.mode == PrintMode::FitToPage) {
        const double scale = std::min(page.width() / chart.width(), page.height() / chart.height());
        const QSizeF size = chart * scale;
        // Centred on the page.
        const QPointF at((page.width() - size.width()) / 2, (page.height() - size.height()) / 2);
        pages.push_back({0, 0, QRectF(QPointF(0, 0), chart), QRectF(at, size), QString()});
        return pages;
    }
    const double scale = std::max(options.scale, kSmallestScale);
    const QSizeF picture(page.width(), page.height() - kPageLabelHeight);
    if (picture.height() <= 0)
        return pages;
    // The overlap is at most half a page, so that every sheet moves on.
    const double overlapX = std::clamp(options.overlap, 0.0, picture.width() / 2);
    const double overlapY = std::clamp(options.overlap, 0.0, picture.height() / 2);
    const QSizeF printed = chart * scale;
    const int columns = sheetsAlong(printed.width(), picture.width(), overlapX);
    const int rows = sheetsAlong(printed.height(), picture.height(), overlapY);
    pages.reserve(std::size_t(rows) * std::size_t(columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QPointF start(column * (picture.width() - overlapX),
                                row * (picture.height() - overlapY));
            const QSizeF size(std::min(picture.width(), printed.width() - start.x()),
                              std::min(picture.height(), printed.height() - start.y()));
            pages.push_back({row, column, QRectF(start / scale, size / scale),
                             QRectF(QPointF(0, 0), size),
                             QStringLiteral("%1, %2").arg(row + 1).arg(column + 1)});
        }
    }
    return pages;
}

}  // namespace kinvarro
