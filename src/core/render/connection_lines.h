#pragma once

#include <cstdint>
#include <vector>

#include "model/document.h"
#include "render/chart_painter.h"
#include "render/element_painter.h"

namespace kinvarro {

enum class ParentRole { Mother, Father };

/// How a child is routed to one parent: the level of the bus over the
/// parent's children (0: no bus, a straight line) and the size of the group.
struct ChildGroupRoute {
    std::int32_t busY = 0;
    int count = 0;
    bool operator==(const ChildGroupRoute &) const = default;
};

/// The route of child `child` to its parent in `role`, found by scanning the
/// whole table for the parent's other children. The parent must be set.
ChildGroupRoute ChildGroupBus(const ElementTable &table, ParentRole role, int child);

/// Where the line painter learns a child's route.
class ChildGroupLookup {
  public:
    virtual ~ChildGroupLookup() = default;
    virtual ChildGroupRoute route(ParentRole role, int child) const = 0;
};

/// Scans the table for every line, exactly as ChildGroupBus does; a paint
/// then costs time proportional to the square of the number of persons.
class TableScanLookup final : public ChildGroupLookup {
  public:
    explicit TableScanLookup(const ElementTable &table) : table_(table) {}
    ChildGroupRoute route(ParentRole role, int child) const override;

  private:
    const ElementTable &table_;
};

/// Every parent's child groups, gathered in one pass over the table, so that
/// a paint costs time proportional to the number of persons.
class ChildGroups final : public ChildGroupLookup {
  public:
    explicit ChildGroups(const ElementTable &table);
    ChildGroupRoute route(ParentRole role, int child) const override;

  private:
    struct Group {
        int count = 0;
        std::int32_t topY = 0;
    };
    const ElementTable &table_;
    std::vector<Group> byMother_;
    std::vector<Group> byFather_;
};

/// Paints the lines from person `child` to its mother and to its father.
/// Nothing is drawn when the document's line width is 0.
void PaintConnectionLines(ChartPainter &canvas, const Document &doc, int child, PaintPass pass,
                          const ChildGroupLookup &groups);

}  // namespace kinvarro
