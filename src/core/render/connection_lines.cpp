#include "render/connection_lines.h"

#include <algorithm>

#include "render/view_mapping.h"

namespace kinvarro {
namespace {

std::int32_t parentOf(const tnode &node, ParentRole role) {
    return role == ParentRole::Mother ? node.motherIndex : node.fatherIndex;
}

// Links are valid indexes or -1 by the table's invariant; anything else is
// treated as no parent rather than read out of bounds.
int validParent(const ElementTable &table, std::int32_t link) {
    return table.isValidIndex(link) ? link : -1;
}

// A bus needs the child at least 10 units below the parent and the whole
// group at least 50 units below it; a top child at 0 reads as no bus.
ChildGroupRoute routeFor(const ElementTable &table, int child, int parent, int count,
                         std::int32_t topY) {
    const std::int64_t childY = table[child].y;
    const std::int64_t parentY = table[parent].y;
    const bool straight = childY < parentY || childY - parentY < 10 || topY < parentY + 50;
    return {straight ? 0 : topY, count};
}

std::int64_t centreX(const ElementTable &table, int i) {
    return std::int64_t(table[i].x) + table.nameExtent(i).width / 2;
}

std::int64_t centreY(const ElementTable &table, int i) {
    return std::int64_t(table[i].y) + table.nameExtent(i).height / 2;
}

// Pen of a line of importance k: base 1, or ToScreen(2), ToScreen(3) for the
// wider line widths, times k; 0 is a dotted hairline.
void setLinePen(ChartPainter &canvas, const Document &doc, std::uint8_t importance) {
    const ViewMapping view(doc);
    const int lineWidth = doc.settings.lineWidth;
    const std::int64_t base = lineWidth == 2 || lineWidth == 3 ? view.S(lineWidth) : 1;
    const std::int64_t width = base * importance;
    canvas.setPenGapColor(std::nullopt);
    if (width == 0) {
        canvas.setPenWidth(1);
        canvas.setPenStyle(PenStyle::Dotted);
    } else {
        canvas.setPenWidth(int(view.rounded(width)));
        canvas.setPenStyle(PenStyle::Solid);
    }
}

struct LineContext {
    ChartPainter &canvas;
    const Document &doc;
    const ViewMapping view;
    const int shift;  // 5 chart units for the shadow, 0 otherwise

    Coord x(std::int64_t chartX) const { return view.x(chartX + shift); }
    Coord y(std::int64_t chartY) const { return view.y(chartY + shift); }
};

void paintLine(const LineContext &ctx, ParentRole role, int child, int parent, bool hasFather,
               const ChildGroupLookup &groups) {
    const ElementTable &table = ctx.doc.NodeTable;
    const tnode &node = table[child];
    ChartPainter &canvas = ctx.canvas;
    setLinePen(canvas, ctx.doc,
               role == ParentRole::Mother ? node.motherImportance : node.fatherImportance);
    const ChildGroupRoute route = groups.route(role, child);
    if (route.busY == 0) {
        canvas.moveTo(ctx.x(centreX(table, parent)), ctx.y(centreY(table, parent)));
        canvas.lineTo(ctx.x(centreX(table, child)), ctx.y(centreY(table, child)));
        canvas.setPenStyle(PenStyle::Solid);
        return;
    }
    // The father's bus runs 5 units above the mother's, and with both parents
    // the mother's line enters the child 5 units right of the father's.
    const std::int64_t level = std::int64_t(route.busY) - (role == ParentRole::Mother ? 15 : 20);
    const std::int64_t column =
        centreX(table, child) + (role == ParentRole::Mother && hasFather ? 5 : 0);
    const std::int64_t parentX = centreX(table, parent);
    const std::int64_t parentBottom =
        std::int64_t(table[parent].y) + table.nameExtent(parent).height;
    Coord startY = ctx.y(parentBottom);
    if (role == ParentRole::Father && ctx.shift == 0) {
        // The father's start converts its top and its height separately.
        startY = ctx.view.y(table[parent].y) + ctx.view.S(table.nameExtent(parent).height);
    }
    const std::int64_t childTop = node.y;
    canvas.moveTo(ctx.x(parentX), startY);
    canvas.lineTo(ctx.x(parentX), ctx.y(level));
    canvas.lineTo(ctx.x(column), ctx.y(level));
    canvas.lineTo(ctx.x(column), ctx.y(childTop));
    if (route.count > 1) {
        canvas.setBrushColor(canvas.penColor());
        canvas.rectangle(ctx.x(column - 1), ctx.y(level - 1), ctx.x(column + 2), ctx.y(level + 2));
    }
    for (const int side : {-3, 3}) {
        canvas.moveTo(ctx.x(column), ctx.y(childTop - 2));
        canvas.lineTo(ctx.x(column + side), ctx.y(childTop - 9));
    }
    canvas.setPenStyle(PenStyle::Solid);
}

}  // namespace

ChildGroupRoute ChildGroupBus(const ElementTable &table, ParentRole role, int child) {
    const int parent = validParent(table, parentOf(table[child], role));
    if (parent < 0)
        return {};
    int count = 0;
    std::int32_t topY = 0;
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (parentOf(table[i], role) != parent)
            continue;
        topY = count == 0 ? table[i].y : std::min(topY, table[i].y);
        ++count;
    }
    return routeFor(table, child, parent, count, topY);
}

ChildGroupRoute TableScanLookup::route(ParentRole role, int child) const {
    return ChildGroupBus(table_, role, child);
}

ChildGroups::ChildGroups(const ElementTable &table)
    : table_(table),
      byMother_(std::size_t(table.NodeCount())),
      byFather_(std::size_t(table.NodeCount())) {
    auto add = [&](std::vector<Group> &groups, std::int32_t link, std::int32_t y) {
        if (!table.isValidIndex(link))
            return;
        Group &group = groups[std::size_t(link)];
        group.topY = group.count == 0 ? y : std::min(group.topY, y);
        ++group.count;
    };
    for (int i = 0; i < table.NodeCount(); ++i) {
        add(byMother_, table[i].motherIndex, table[i].y);
        add(byFather_, table[i].fatherIndex, table[i].y);
    }
}

ChildGroupRoute ChildGroups::route(ParentRole role, int child) const {
    const int parent = validParent(table_, parentOf(table_[child], role));
    const Group &group = (role == ParentRole::Mother ? byMother_ : byFather_)[std::size_t(parent)];
    return routeFor(table_, child, parent, group.count, group.topY);
}

void PaintConnectionLines(ChartPainter &canvas, const Document &doc, int child, PaintPass pass,
                          const ChildGroupLookup &groups) {
    if (doc.settings.lineWidth == 0)
        return;
    const ElementTable &table = doc.NodeTable;
    const int mother = validParent(table, table[child].motherIndex);
    const int father = validParent(table, table[child].fatherIndex);
    if (mother < 0 && father < 0)
        return;
    const LineContext ctx{canvas, doc, ViewMapping(doc), pass == PaintPass::Shadow ? 5 : 0};
    const DocumentSettings &s = doc.settings;
    const int current = doc.view.CurrentNode;
    const bool highlighted =
        current != -1 && (current == child || current == mother || current == father);
    auto colour = [&](TColor normal) {
        if (pass == PaintPass::Shadow)
            return s.shadowColor;
        return highlighted ? s.selectedLineColor : normal;
    };
    if (mother >= 0) {
        canvas.setPenColor(colour(s.motherLineColor));
        paintLine(ctx, ParentRole::Mother, child, mother, father >= 0, groups);
    }
    if (father >= 0) {
        canvas.setPenColor(colour(s.fatherLineColor));
        paintLine(ctx, ParentRole::Father, child, father, true, groups);
    }
}

}  // namespace kinvarro
