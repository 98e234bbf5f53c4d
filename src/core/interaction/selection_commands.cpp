#include "interaction/selection_commands.h"

#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "model/document.h"
#include "render/view_mapping.h"

namespace kinvarro {

void SelectAllElements(DocumentSession &session, ChartHost &host) {
    session.selectAll();
    host.setDelSelectedVisible(true);
    host.RequestRedraw();
}

void SelectSide(DocumentSession &session, ChartHost &host, ChartSide side) {
    const Document &doc = session.doc();
    const ViewMapping map(doc);
    const Coord pressX = Coord(doc.view.LastMouseX) - doc.view.ViewOriginX;
    const Coord pressY = Coord(doc.view.LastMouseY) - doc.view.ViewOriginY;
    const ElementTable &table = doc.NodeTable;
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
            session.setSelected(i, true);
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
