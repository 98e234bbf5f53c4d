#include "interaction_support.h"

#include "render/view_geometry.h"
#include "test_support.h"

namespace kinvarro::test {

int addBox(Document &doc, int x, int y, int width, int height) {
    const int index = addPerson(doc, x, y);
    doc.NodeTable.nameExtent(index) = {width, height};
    return index;
}

int addEvent(Document &doc, int y, int lines) {
    tnode node;
    node.kind = kHistoricalEvent;
    node.y = y;
    node.name = "E";
    for (int i = 1; i < lines; ++i)
        node.name += "\r\nE";
    const int index = doc.NodeTable.append(node);
    doc.MeasureNameExtent(index);
    return index;
}

int chartLineHeight(const Document &doc) {
    return chartFontMetrics(fontForRecord(doc.settings.chartFont)).height();
}

ChartMouseEvent leftPress(int x, int y, bool shift, bool ctrl) {
    return {x, y, MouseButton::Left, true, shift, ctrl, false};
}

ChartMouseEvent rightPress(int x, int y) {
    return {x, y, MouseButton::Right, false, false, false, false};
}

ChartMouseEvent doubleClick(int x, int y) {
    return {x, y, MouseButton::Left, true, false, false, true};
}

ChartMouseEvent leftDrag(int x, int y, bool shift) {
    return {x, y, MouseButton::Left, true, shift, false, false};
}

ChartMouseEvent hover(int x, int y, bool shift) {
    return {x, y, MouseButton::Left, false, shift, false, false};
}

ChartMouseEvent leftRelease(int x, int y, bool shift) {
    return {x, y, MouseButton::Left, false, shift, false, false};
}

}  // namespace kinvarro::test
