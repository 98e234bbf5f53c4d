#include "model/grid_snap.h"

#include <algorithm>
#include <limits>

#include "model/document.h"

namespace kinvarro {

void AlignToGrid(Document &doc, int index) {
    tnode &node = doc.NodeTable[index];
    const NameExtent extent = doc.NodeTable.nameExtent(index);
    auto snap = [](std::int32_t position, std::int32_t size, std::int32_t interval) {
        const std::int64_t centre = std::int64_t(position) + size / 2;
        std::int64_t cell = (centre / interval) * interval;
        cell += centre >= 0 ? interval / 2 : -(interval / 2);
        return std::int32_t(std::clamp<std::int64_t>(cell - size / 2,
                                                     std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
    };
    const DocumentSettings &s = doc.settings;
    if (s.hGridInterval > 1)
        node.y = snap(node.y, extent.height, s.hGridInterval);
    if (s.vGridInterval > 1)
        node.x = snap(node.x, extent.width, s.vGridInterval);
}

}  // namespace kinvarro
