#include "render/scroll_bars.h"

#include <algorithm>
#include <limits>

#include "model/document.h"
#include "render/view_geometry.h"

namespace kinvarro {
namespace {

std::int32_t saturated(std::int64_t v) {
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// The position that shows the chart with this origin.
std::int32_t positionFor(std::int32_t origin) {
    return saturated(-std::int64_t(origin));
}

// Shown when the range reaches past either edge of the view.
bool needsBar(const ScrollBarModel &bar, std::int32_t origin, int viewExtent) {
    return std::int64_t(bar.Min()) + origin < 0 || std::int64_t(bar.Max()) + origin >= viewExtent;
}

}  // namespace

void ScrollBarModel::setMin(std::int32_t value) {
    min_ = std::min(value, max_);
    position_ = std::clamp(position_, min_, max_);
}

void ScrollBarModel::setMax(std::int32_t value) {
    max_ = std::max(value, min_);
    position_ = std::clamp(position_, min_, max_);
}

void ScrollBarModel::setPosition(std::int32_t value) {
    position_ = std::clamp(value, min_, max_);
}

void UpdateScrollBars(const Document &doc, QSize chartArea, ScrollBars &bars) {
    ScrollBarModel &h = bars.ScrollBarH;
    ScrollBarModel &v = bars.ScrollBarV;
    for (ScrollBarModel *bar : {&h, &v}) {
        bar->setMin(0);
        bar->setMax(0);
        bar->setPosition(0);
    }
    // Chart units first; historical events span the whole width, so only
    // persons widen the horizontal range.
    std::int32_t hMin = 0, hMax = 0, vMin = 0, vMax = 0;
    const ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (node.isPerson()) {
            hMin = std::min(hMin, node.x);
            hMax = std::max(hMax, saturated(std::int64_t(node.x) + extent.width));
        }
        vMin = std::min(vMin, node.y);
        vMax = std::max(vMax, saturated(std::int64_t(node.y) + extent.height));
    }
    const float scale = doc.settings.scale;
    v.setMin(ToScreen(vMin, scale));
    v.setMax(ToScreen(vMax, scale));
    h.setMin(ToScreen(hMin, scale));
    h.setMax(ToScreen(hMax, scale));
    SyncScrollBarPositions(doc, bars);
    v.LargeChange = chartArea.height() - chartArea.height() / 10;
    h.LargeChange = chartArea.width() - chartArea.width() / 10;
    v.Visible = needsBar(v, doc.view.ViewOriginY, chartArea.height());
    h.Visible = needsBar(h, doc.view.ViewOriginX, chartArea.width());
}

void SyncScrollBarPositions(const Document &doc, ScrollBars &bars) {
    bars.ScrollBarV.setPosition(positionFor(doc.view.ViewOriginY));
    bars.ScrollBarH.setPosition(positionFor(doc.view.ViewOriginX));
}

}  // namespace kinvarro
