#pragma once

#include <QRect>

namespace kinvarro {

class Document;

/// How tall a historical event's band is for a hit test.
enum class EventBand {
    OneLine,      ///< one line of the unscaled chart font (left press, double click, hover)
    StoredHeight  ///< its name's stored height (right press)
};

/// The element under chart-area pixel (X, Y): the topmost person whose box
/// contains it, else the topmost historical event whose band does; -1 for none.
/// Boxes and bands reach two chart units past the name, all edges excluded.
int HitTest(const Document &doc, int X, int Y, EventBand band);

/// The chart-area pixels of element `index`'s name box, as the hover hint sees it.
QRect ElementBoxOnCanvas(const Document &doc, int index);

}  // namespace kinvarro
