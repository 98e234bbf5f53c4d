#include "interaction/selection_commands.h"

#include "interaction/chart_host.h"
#include "model/document.h"
#include "render/view_mapping.h"

namespace kinvarro {

void SelectAllElements(Document &doc, ChartHost &host) {
    ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i)
        table.setSelected(i, true);
    host.setDelSelectedVisible(true);
    host.RequestRedraw();
}

void SelectSide(Document &doc, ChartHost &host, ChartSide side) {
    const ViewMapping map(doc);
    const Coord pressX = Coord(doc.LastMouseX) - doc.ViewOriginX;
    const Coord pressY = Coord(doc.LastMouseY) - doc.ViewOriginY;
    ElementTable &table = doc.NodeTable;
    bool any = false;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const Coord x = map.S(table[i].x);
        const Coord y = map.S(table[i].y);
        bool onSide = false;
        switch (side) {
            case ChartSide::Below:
                onSide = y > pressY;
                break;
            case ChartSide::Above:
                onSide = y < pressY;
                break;
            case ChartSide::Right:
                onSide = x > pressX;
                break;
            case ChartSide::Left:
                onSide = x < pressX;
                break;
        }
        if (onSide) {
            table.setSelected(i, true);
            any = true;
        }
    }
    if (any)
        host.setDelSelectedVisible(true);
    host.RequestRedraw();
    host.setScreenCursor(std::nullopt);
    host.setChartCursor(ChartCursor::HandFlat);
}

}  // namespace kinvarro
