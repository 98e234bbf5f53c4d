#include "interaction/hit_test.h"

#include <algorithm>

#include "model/advance_table.h"
#include "render/view_geometry.h"
#include "render/view_mapping.h"

namespace kinvarro {
namespace {

// TextHeight of a name is the font's line height whatever the text.
int oneLineHeight(const Document &doc) {
    return AdvanceTable::of(doc.settings.chartFont)->lineHeight();
}

// ToScreen never decreases as its argument grows, so "S(v) < p" holds exactly
// for v below the first v with S(v) >= p. Finding that v once per pointer
// position turns the test of each element into integer comparisons.
class ScreenThreshold {
  public:
    explicit ScreenThreshold(const ViewMapping &map) : map_(map) {}

    /// The smallest chart value v with S(v) >= pixel.
    Coord firstReaching(Coord pixel) const {
        // Every chart value of an element and its frame lies well inside this range.
        Coord low = -(Coord(1) << 40);
        Coord high = Coord(1) << 40;
        while (low < high) {
            const Coord middle = low + (high - low) / 2;
            if (map_.S(middle) >= pixel) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return low;
    }

  private:
    const ViewMapping &map_;
};

// S(from) < pixel < S(to), from the thresholds of pixel and pixel + 1.
struct OpenSpan {
    Coord belowPixel;  ///< S(from) < pixel  <=>  from < belowPixel
    Coord abovePixel;  ///< pixel < S(to)    <=>  to >= abovePixel

    OpenSpan(const ScreenThreshold &threshold, Coord pixel)
        : belowPixel(threshold.firstReaching(pixel)),
          abovePixel(threshold.firstReaching(pixel + 1)) {}

    bool contains(Coord from, Coord to) const { return from < belowPixel && to >= abovePixel; }
};

}  // namespace

int HitTest(const Document &doc, int X, int Y, EventBand band) {
    const ViewMapping map(doc);
    const ScreenThreshold threshold(map);
    const OpenSpan across(threshold, Coord(X) - map.originX());
    const OpenSpan down(threshold, Coord(Y) - map.originY());
    const int lineHeight = band == EventBand::OneLine ? oneLineHeight(doc) : 0;

    const ElementTable &table = doc.NodeTable;
    int event = -1;
    for (int i = table.NodeCount() - 1; i >= 0; --i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (node.isPerson()) {
            if (down.contains(Coord(node.y) - 2, Coord(node.y) + extent.height + 2) &&
                across.contains(Coord(node.x) - 2, Coord(node.x) + extent.width + 2))
                return i;
        } else if (node.isHistoricalEvent() && event == -1) {
            const int height = band == EventBand::OneLine ? lineHeight : extent.height;
            if (down.contains(Coord(node.y) - 2, Coord(node.y) + height + 2))
                event = i;
        }
    }
    return event;
}

QRect ElementBoxOnCanvas(const Document &doc, int index) {
    const ElementTable &table = doc.NodeTable;
    if (index < 0 || index >= table.NodeCount())
        return {};
    const ViewMapping map(doc);
    const tnode &node = table[index];
    const NameExtent extent = table.nameExtent(index);
    const Coord left = map.x(std::int64_t(node.x) - 2);
    const Coord top = map.y(std::int64_t(node.y) - 2);
    const Coord right = map.x(std::int64_t(node.x) + extent.width + 2);
    const Coord bottom = map.y(std::int64_t(node.y) + extent.height + 2);
    // Far off-screen boxes still make a valid rectangle.
    const auto pixel = [](Coord v) { return int(std::clamp<Coord>(v, -(1 << 29), 1 << 29)); };
    return QRect(QPoint(pixel(left), pixel(top)), QPoint(pixel(right), pixel(bottom)));
}

}  // namespace kinvarro
