#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace kinvarro {

/// How the chart goes onto paper: shrunk onto one page, or printed at a
/// chosen scale over as many pages as it needs.
enum class PrintMode { FitToPage, Poster };

struct PrintOptions {
    PrintMode mode = PrintMode::FitToPage;
    /// Poster scale: page units per chart pixel (1 = one point a pixel).
    double scale = 1.0;
    /// Poster overlap between neighbouring pages, in page units.
    double overlap = 20.0;
};

/// One sheet: the part of the chart it shows, where that part lands on the
/// sheet, and its label.
struct PrintPage {
    int row = 0;
    int column = 0;
    QRectF chartArea;  ///< in chart pixels, from the chart's top-left corner
    QRectF target;     ///< on the sheet, in page units
    QString label;     ///< "row, column" counted from 1; empty on a single fitted page
};

/// Height reserved under a poster sheet's picture for its label, in page units.
inline constexpr double kPageLabelHeight = 14.0;

/// The sheets that print a chart of `chart` pixels on pages whose printable
/// area is `page` units: row by row, left to right. An empty chart or page
/// gives no sheets; a poster scale below 1/1000 is taken as that, and a
/// poster stops at 100 sheets a side.
std::vector<PrintPage> LayOutPrint(QSizeF chart, QSizeF page, const PrintOptions &options);

}  // namespace kinvarro
