#include "arrange/arrange_chart.h"

#include <algorithm>
#include <limits>

#include "arrange/generation_layout.h"
#include "model/document.h"

namespace kinvarro {
namespace {

std::int32_t ClampCoordinate(std::int64_t value) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max() / 2;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -kLimit, kLimit));
}

// The selected persons when two or more are selected, else every person.
std::vector<int> PersonsToArrange(const Document &doc, bool &whole) {
    const ElementTable &table = doc.NodeTable;
    std::vector<int> chosen;
    for (int i = 0; i < table.NodeCount(); ++i)
        if (table[i].isPerson() && table.selected(i))
            chosen.push_back(i);
    whole = chosen.size() < 2;
    if (!whole)
        return chosen;
    chosen.clear();
    for (int i = 0; i < table.NodeCount(); ++i)
        if (table[i].isPerson())
            chosen.push_back(i);
    return chosen;
}

}  // namespace

ChartArrangement ArrangeByGenerations(const Document &doc) {
    const ElementTable &table = doc.NodeTable;
    bool whole = true;
    const std::vector<int> persons = PersonsToArrange(doc, whole);
    std::vector<int> slot(table.NodeCount(), -1);
    for (std::size_t k = 0; k < persons.size(); ++k)
        slot[persons[k]] = static_cast<int>(k);
    auto slotOf = [&](std::int32_t index) {
        return index >= 0 && index < table.NodeCount() ? slot[index] : -1;
    };
    std::vector<LayoutBox> boxes;
    std::int64_t left = std::numeric_limits<std::int64_t>::max(), top = left;
    for (int i : persons) {
        const NameExtent extent = table.nameExtent(i);
        boxes.push_back({slotOf(table[i].fatherIndex), slotOf(table[i].motherIndex),
                         std::max(extent.width, 1), std::max(extent.height, 1)});
        left = std::min<std::int64_t>(left, table[i].x);
        top = std::min<std::int64_t>(top, table[i].y);
    }
    if (whole)
        left = top = 25;
    // Rows leave room for a bus between the generations, columns for the
    // lines that come down between neighbouring families.
    const std::int64_t h = std::max(doc.settings.hGridInterval, 5);
    const std::int64_t v = std::max(doc.settings.vGridInterval, 5);
    const LayoutGaps gaps{std::max<std::int64_t>(3 * v, 40), std::max<std::int64_t>(h, 15),
                          std::max<std::int64_t>(2 * h, 30)};
    const LayoutResult layout = ArrangeGenerations(boxes, gaps);
    ChartArrangement arrangement;
    arrangement.brokenLinks = layout.brokenLinks;
    for (std::size_t k = 0; k < persons.size(); ++k)
        arrangement.places.push_back(
            {persons[k], ClampCoordinate(left + layout.x[k]), ClampCoordinate(top + layout.y[k])});
    return arrangement;
}

void ApplyArrangement(Document &doc, const ChartArrangement &arrangement) {
    for (const ArrangedPlace &place : arrangement.places) {
        if (place.index < 0 || place.index >= doc.NodeTable.NodeCount())
            continue;
        doc.NodeTable[place.index].x = place.x;
        doc.NodeTable[place.index].y = place.y;
    }
    doc.MarkModified();
}

}  // namespace kinvarro
