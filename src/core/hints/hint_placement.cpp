#include "hints/hint_placement.h"

#include <algorithm>
#include <cstdint>

namespace kinvarro {
namespace {

constexpr int kFitMargin = 30;
// "Taller than the screen" without a picture leaves the top strip free.
constexpr int kTallTextTop = 100;

// The text window's refit at a narrower width. The margin added beyond the
// farthest character could widen it past the width it was given, and so past
// the screen edge; the text was laid out at that width, so capping keeps it.
void refit(QRect &text, const HintTextFitter &fit) {
    const int given = text.width();
    const QSize fitted = fit(text.size());
    text.setSize(QSize(std::min(fitted.width(), given), fitted.height()));
}

// Picture above the text window.
QRect placeAbove(QRect &text, QSize pic, int sw, int sh) {
    const int cw = pic.width();
    const int ch = pic.height();
    if (text.top() < ch)
        text.moveTop(ch);
    if (ch + text.top() + text.height() > sh) {
        if (ch + text.height() < sh) {
            text.moveTop(sh - text.height());
        } else {
            text.moveTop(ch);
            text.setHeight(sh - ch);
        }
    }
    if (std::max(text.width(), cw) + text.left() > sw) {
        if (text.width() < sw) {
            text.moveLeft(sw - std::max(text.width(), cw));
        } else {
            text.moveLeft(cw);
            text.setWidth(sw - cw);
        }
    }
    return QRect(QPoint(text.left(), text.top() - ch), pic);
}

// Picture to the left of the text window.
QRect placeLeft(QRect &text, QSize pic, int sw, int sh, const HintTextFitter &fit) {
    const int cw = pic.width();
    const int ch = pic.height();
    if (text.left() < cw)
        text.moveLeft(cw);
    if (cw + text.left() + text.width() > sw) {
        if (cw + text.width() < sw) {
            text.moveLeft(sw - text.width());
        } else {
            text.moveLeft(cw);
            text.setWidth(sw - cw);
            refit(text, fit);
        }
    }
    if (text.top() + text.height() > sh || ch + text.top() > sh) {
        if (text.height() < sh && ch < sh) {
            text.moveTop(sh - std::max(text.height(), ch));
        } else {
            text.moveTop(0);
            text.setHeight(sh);
        }
    }
    return QRect(QPoint(text.left() - cw, text.top()), pic);
}

void placeAlone(QRect &text, int sw, int sh, const HintTextFitter &fit) {
    if (text.left() + text.width() > sw) {
        if (text.width() < sw) {
            text.moveLeft(sw - text.width());
        } else {
            text.moveLeft(0);
            text.setWidth(sw);
            refit(text, fit);
        }
    }
    if (text.top() + text.height() > sh) {
        if (text.height() < sh) {
            text.moveTop(sh - text.height());
        } else if (text.left() != 0) {
            text.moveTop(0);
            text.setHeight(sh);
        } else {
            text.moveTop(kTallTextTop);
            text.setHeight(sh - kTallTextTop);
        }
    }
}

}  // namespace

QSize HintPictureSize(QSize picture) {
    const std::int64_t pw = picture.width();
    const std::int64_t ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return {};
    // A sliver of a picture still gets a visible pixel.
    if (pw > ph)
        return QSize(kHintPictureSide, int(std::max<std::int64_t>(1, ph * kHintPictureSide / pw)));
    return QSize(int(std::max<std::int64_t>(1, pw * kHintPictureSide / ph)), kHintPictureSide);
}

QSize FitHintToText(QSize window, QSize boxClient, QPoint farthest) {
    return QSize(window.width() - boxClient.width() + farthest.x() + kFitMargin,
                 window.height() - boxClient.height() + farthest.y() + kFitMargin);
}

HintPlacement PlaceHint(const QRect &workArea, QPoint anchor, std::optional<QSize> picture,
                        const HintTextFitter &fit) {
    // The rules work on the work area's own coordinates, from (0, 0).
    const int sw = workArea.width();
    const int sh = workArea.height();
    // Laid out at nearly the full width first, so that short lines stay whole.
    QRect text(QPoint(1, 1), fit(QSize(sw - 1, sh - 1)));
    text.moveTopLeft(anchor - workArea.topLeft());

    HintPlacement placement;
    const QSize pic = picture ? HintPictureSize(*picture) : QSize();
    if (pic.isEmpty())
        placeAlone(text, sw, sh, fit);
    else if (pic.height() < pic.width())
        placement.picture = placeAbove(text, pic, sw, sh);
    else
        placement.picture = placeLeft(text, pic, sw, sh, fit);

    placement.text = text.translated(workArea.topLeft());
    if (placement.picture)
        placement.picture->translate(workArea.topLeft());
    return placement;
}

void KeepPictureOffBox(HintPlacement &placement, const QRect &workArea, const QRect &box) {
    if (!placement.picture || !placement.picture->intersects(box))
        return;
    const QSize size = placement.picture->size();
    const QRect &text = placement.text;
    // Slides a candidate along its free axis back onto the work area.
    const auto onScreen = [&](QPoint topLeft) {
        QRect candidate(topLeft, size);
        candidate.moveTop(
            std::clamp(candidate.top(), workArea.top(),
                       std::max(workArea.top(), workArea.bottom() - size.height() + 1)));
        candidate.moveLeft(
            std::clamp(candidate.left(), workArea.left(),
                       std::max(workArea.left(), workArea.right() - size.width() + 1)));
        return candidate;
    };
    const QRect candidates[] = {
        onScreen({box.left() - size.width(), box.top()}),
        onScreen({box.left(), box.top() - size.height()}),
        onScreen({std::max(box.right(), text.right()) + 1, box.top()}),
    };
    for (const QRect &candidate : candidates) {
        if (workArea.contains(candidate) && !candidate.intersects(box) &&
            !candidate.intersects(text)) {
            placement.picture = candidate;
            return;
        }
    }
}

}  // namespace kinvarro
