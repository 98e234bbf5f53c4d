#include "interaction/hit_test.h"

#include "render/view_geometry.h"
#include "render/view_mapping.h"

namespace kinvarro {
namespace {

// TextHeight of a name is the font's line height whatever the text.
int oneLineHeight(const Document &doc) {
    return chartFontMetrics(fontForRecord(doc.settings.chartFont)).height();
}

}  // namespace

int HitTest(const Document &doc, int X, int Y, EventBand band) {
    const ViewMapping map(doc);
    const Coord mx = Coord(X) - map.originX();
    const Coord my = Coord(Y) - map.originY();
    const int lineHeight = band == EventBand::OneLine ? oneLineHeight(doc) : 0;
    auto inside = [](Coord from, Coord value, Coord to) { return from < value && value < to; };

    const ElementTable &table = doc.NodeTable;
    int event = -1;
    for (int i = table.NodeCount() - 1; i >= 0; --i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (node.isPerson()) {
            if (inside(map.S(Coord(node.y) - 2), my, map.S(Coord(node.y) + extent.height + 2)) &&
                inside(map.S(Coord(node.x) - 2), mx, map.S(Coord(node.x) + extent.width + 2)))
                return i;
        } else if (event == -1) {
            const int height = band == EventBand::OneLine ? lineHeight : extent.height;
            if (inside(map.S(Coord(node.y) - 2), my, map.S(Coord(node.y) + height + 2)))
                event = i;
        }
    }
    return event;
}

}  // namespace kinvarro
