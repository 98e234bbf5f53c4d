#include "interaction/chart_keys.h"

#include <algorithm>
#include <cstdlib>

#include "common/saturating.h"
#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "interaction/element_commands.h"
#include "model/document.h"
#include "model/name_measure.h"
#include "render/scroll_bars.h"
#include "render/view_geometry.h"

namespace kinvarro {
namespace {

constexpr std::int64_t kFarthestNeighbour = 200000;

// The same key on both layouts: F is А, M is Ь.
bool isFatherKey(QChar c) {
    return c == u'F' || c == u'f' || c == u'А' || c == u'а';
}

bool isMotherKey(QChar c) {
    return c == u'M' || c == u'm' || c == u'Ь' || c == u'ь';
}

// Moves `bar` by `step` and the matching origin to follow it.
void scrollBy(ScrollBarModel &bar, std::int64_t step, std::int32_t &origin) {
    bar.setPosition(
        std::int32_t(std::clamp<std::int64_t>(bar.Position() + step, bar.Min(), bar.Max())));
    origin = SaturatingAdd(0, -std::int64_t(bar.Position()));
}

}  // namespace

int NearestElement(const Document &doc, int e) {
    const std::shared_ptr<const AdvanceTable> advances = AdvanceTable::of(doc.settings.chartFont);
    const ElementTable &table = doc.NodeTable;
    auto centre = [&](int i) {
        const NameExtent size = MeasureMultiLineText(table[i].name, *advances);
        return std::pair<std::int64_t, std::int64_t>(std::int64_t(table[i].x) + size.width / 2,
                                                     std::int64_t(table[i].y) + size.height / 2);
    };
    const auto [ex, ey] = centre(e);
    int best = -1;
    std::int64_t bestDistance = kFarthestNeighbour;
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (i == e)
            continue;
        const auto [x, y] = centre(i);
        const std::int64_t distance = std::llabs(x - ex) + std::llabs(y - ey);
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool ScrollByKey(ChartViewState &view, ScrollBars &bars, ChartKey key) {
    ScrollBarModel &h = bars.ScrollBarH;
    ScrollBarModel &v = bars.ScrollBarV;
    switch (key) {
        case ChartKey::PageUp:
            scrollBy(v, -std::int64_t(v.LargeChange), view.ViewOriginY);
            return true;
        case ChartKey::PageDown:
            scrollBy(v, v.LargeChange, view.ViewOriginY);
            return true;
        case ChartKey::Left:
            scrollBy(h, -std::int64_t(h.SmallChange), view.ViewOriginX);
            return true;
        case ChartKey::Right:
            scrollBy(h, h.SmallChange, view.ViewOriginX);
            return true;
        case ChartKey::Up:
            scrollBy(v, -std::int64_t(v.SmallChange), view.ViewOriginY);
            return true;
        case ChartKey::Down:
            scrollBy(v, v.SmallChange, view.ViewOriginY);
            return true;
        case ChartKey::Delete:
        case ChartKey::Escape:
        case ChartKey::Other:
            return false;
    }
    return false;
}

ChartKeyboard::ChartKeyboard(DocumentSession &session, ChartHost &host, ElementCommands &commands)
    : session_(session), doc_(session.doc()), host_(host), commands_(commands) {}

void ChartKeyboard::FormKeyDown(ChartKey key, bool shift) {
    if (shift)
        host_.setChartCursor(ChartCursor::Cross);
    if (key == ChartKey::Delete)
        commands_.NdelSelectedClick();
    if (key == ChartKey::Escape && !doc_.NodeTable.selectedIndexes().empty())
        session_.clearSelection();
}

void ChartKeyboard::FormKeyPress(QChar character) {
    const bool father = isFatherKey(character);
    if (!father && !isMotherKey(character))
        return;
    const int current = session_.view().CurrentNode;
    if (current == -1)
        return;
    session_.setParentLink(current, father, NearestElement(doc_, current));
}

void ChartKeyboard::FormKeyUp(ChartKey key, bool shift) {
    if (!shift && host_.chartCursor() == ChartCursor::Cross)
        host_.setChartCursor(ChartCursor::Arrow);
    if (ScrollByKey(session_.view(), host_.scrollBars(), key)) {
        host_.SyncScrollBarPositions();
        host_.RequestRedraw();
    }
}

void ChartKeyboard::FormMouseWheel(bool down) {
    ScrollBarModel &v = host_.scrollBars().ScrollBarV;
    scrollBy(v, down ? v.SmallChange : -std::int64_t(v.SmallChange), session_.view().ViewOriginY);
    host_.SyncScrollBarPositions();
    host_.RequestRedraw();
}

void ChartKeyboard::horizontalWheel(bool right) {
    ScrollBarModel &h = host_.scrollBars().ScrollBarH;
    scrollBy(h, right ? h.SmallChange : -std::int64_t(h.SmallChange), session_.view().ViewOriginX);
    host_.SyncScrollBarPositions();
    host_.RequestRedraw();
}

}  // namespace kinvarro
