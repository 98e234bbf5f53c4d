#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>

namespace kinvarro {

/// The longer side of the picture in the picture hint.
constexpr int kHintPictureSide = 300;

/// Client size of the picture hint: the picture's proportions within
/// 300 x 300, truncating. Empty for a picture without pixels.
QSize HintPictureSize(QSize picture);

/// `FitHintToText`'s size rule: the text box's client area becomes 30 pixels
/// larger than `farthest`, the farthest sampled character position in it.
/// `window` and `boxClient` are the sizes the text was laid out at.
QSize FitHintToText(QSize window, QSize boxClient, QPoint farthest);

/// Lays the hint text out in a text window of the given size and gives the
/// size `FitHintToText` makes of it.
using HintTextFitter = std::function<QSize(QSize window)>;

/// Where the hint windows go, in screen pixels.
struct HintPlacement {
    QRect text;
    /// The picture window, sized to its client area; none without a picture.
    std::optional<QRect> picture;

    bool operator==(const HintPlacement &) const = default;
};

/// Places the text window (and beside it the picture window) for a pointer
/// at `anchor`, keeping both on `workArea`. `picture` is the picture's pixel
/// size, none when there is no picture to show.
HintPlacement PlaceHint(const QRect &workArea, QPoint anchor, std::optional<QSize> picture,
                        const HintTextFitter &fit);

/// Moves the picture window off the hovered element's `box` (screen pixels) when it
/// covers it: to the left of the box, above it or to the right of the text window,
/// whichever first fits on `workArea` without covering the box or the text window.
/// Where none fits, the picture stays where `PlaceHint` put it.
void KeepPictureOffBox(HintPlacement &placement, const QRect &workArea, const QRect &box);

}  // namespace kinvarro
