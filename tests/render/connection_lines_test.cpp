#include <gtest/gtest.h>

#include <random>

#include "render/connection_lines.h"
#include "render/scene.h"
#include "render/view_geometry.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kPaper = 0xFFFFFF;

ChartCanvas paintLines(const Document &doc, int child, PaintPass pass, QSize size = {300, 150}) {
    ChartCanvas canvas = filledCanvas(size, kPaper);
    CanvasPainter painter(canvas);
    const ChildGroups groups(doc.NodeTable);
    PaintConnectionLines(painter, doc, child, pass, groups);
    return canvas;
}

ChartCanvas paintAllLines(const Document &doc, PaintPass pass, QSize size = {300, 150}) {
    ChartCanvas canvas = filledCanvas(size, kPaper);
    CanvasPainter painter(canvas);
    const ChildGroups groups(doc.NodeTable);
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i)
        PaintConnectionLines(painter, doc, i, pass, groups);
    return canvas;
}

PixelSet polylinePixels(std::initializer_list<QPoint> points) {
    PixelSet pixels;
    const QPoint *previous = nullptr;
    for (const QPoint &point : points) {
        if (previous)
            pixels.merge(segmentPixels(*previous, point));
        previous = &point;
    }
    return pixels;
}

// The worked example: every box 40 x 13, mother at (100, 0), father at
// (200, 0), their child at (150, 100).
struct Family {
    Document doc;
    int mother = addBox(doc, 100, 0);
    int father = addBox(doc, 200, 0);
    int child = addBox(doc, 150, 100, mother, father);
};

// An arrowhead side from `tip` to `end` (end left out): one pixel on each row
// from the tip up, each within a pixel of the ideal line.
void expectArrowSide(const ChartCanvas &canvas, QPoint tip, QPoint end, TColor color) {
    for (int y = end.y() + 1; y <= tip.y(); ++y) {
        const double ideal =
            tip.x() + double(end.x() - tip.x()) * (tip.y() - y) / (tip.y() - end.y());
        int hits = 0;
        for (int x = int(ideal) - 1; x <= int(ideal) + 1; ++x)
            hits += canvas.pixel(x, y) == color;
        EXPECT_GE(hits, 1) << "row " << y;
    }
    EXPECT_NE(canvas.pixel(end.x(), end.y()), color) << "the end point is left out";
}

}  // namespace

TEST(ConnectionLines, WorkedExampleRoutesBothParentsOverTheirBuses) {
    Family f;
    const DocumentSettings &s = f.doc.settings;
    const ChartCanvas canvas = paintLines(f.doc, f.child, PaintPass::Normal);

    PixelSet mother = polylinePixels({{120, 13}, {120, 85}, {175, 85}, {175, 100}});
    PixelSet father = polylinePixels({{220, 13}, {220, 80}, {170, 80}, {170, 100}});
    for (const auto &p : father)
        mother.erase(p);  // the father's line is drawn second, over the mother's

    // Above the arrowheads the lines are exactly the two polylines.
    auto above = [](PixelSet pixels) {
        std::erase_if(pixels, [](const auto &p) { return p.second >= 91; });
        return pixels;
    };
    auto aboveCanvas = [&](TColor color) { return above(pixelsOf(canvas, color)); };
    EXPECT_EQ(aboveCanvas(s.motherLineColor), above(mother));
    EXPECT_EQ(aboveCanvas(s.fatherLineColor), above(father));
    EXPECT_EQ(
        pixelsOf(canvas, s.motherLineColor).size() + pixelsOf(canvas, s.fatherLineColor).size(),
        inkPixels(canvas, kPaper).size());

    expectArrowSide(canvas, {175, 98}, {172, 91}, s.motherLineColor);
    expectArrowSide(canvas, {175, 98}, {178, 91}, s.motherLineColor);
    expectArrowSide(canvas, {170, 98}, {167, 91}, s.fatherLineColor);
    expectArrowSide(canvas, {170, 98}, {173, 91}, s.fatherLineColor);
    EXPECT_EQ(canvas.pixel(175, 99), s.motherLineColor);
    EXPECT_EQ(canvas.pixel(175, 100), kPaper);
}

TEST(ConnectionLines, SiblingsGetJunctionSquaresAndAnOnlyChildNone) {
    Family f;
    const DocumentSettings &s = f.doc.settings;
    EXPECT_EQ(paintLines(f.doc, f.child, PaintPass::Normal).pixel(169, 79), kPaper);

    addBox(f.doc, 260, 100, f.mother, f.father);
    const ChartCanvas canvas = paintLines(f.doc, f.child, PaintPass::Normal);
    for (int y = 79; y <= 81; ++y) {
        for (int x = 169; x <= 171; ++x)
            EXPECT_EQ(canvas.pixel(x, y), s.fatherLineColor) << x << "," << y;
        EXPECT_EQ(canvas.pixel(168, y), kPaper);
    }
    EXPECT_EQ(canvas.pixel(172, 79), kPaper);
    EXPECT_EQ(canvas.pixel(172, 81), kPaper);
    for (int x = 174; x <= 176; ++x)
        EXPECT_EQ(canvas.pixel(x, 84), s.motherLineColor) << x;
}

TEST(ConnectionLines, ChildGroupBusDecidesBetweenBusAndStraightLine) {
    struct Case {
        const char *what;
        int parentY;
        std::vector<int> childYs;  // the first is the child asked about
        std::int32_t busY;
    } cases[] = {
        {"a family well below", 0, {100, 120}, 100},
        {"topmost sibling less than 50 below", 0, {100, 49}, 0},
        {"topmost sibling exactly 50 below", 0, {100, 50}, 50},
        {"child above its parent", 200, {150, 260}, 0},
        {"child less than 10 below", 200, {209, 300}, 0},
        {"child 10 below, so the group too is too close", 200, {210, 300}, 0},
        {"group top at 0 reads as no bus", -60, {0, 30}, 0},
        {"far apart at the int32 limits", -2000000000, {2000000000}, 2000000000},
    };
    for (const Case &c : cases) {
        Document doc;
        const int parent = addBox(doc, 0, c.parentY);
        for (int y : c.childYs)
            addBox(doc, 0, y, parent, parent);
        const int child = parent + 1;
        const ChildGroupRoute expected{c.busY, int(c.childYs.size())};
        for (ParentRole role : {ParentRole::Mother, ParentRole::Father}) {
            EXPECT_EQ(ChildGroupBus(doc.NodeTable, role, child), expected) << c.what;
            EXPECT_EQ(ChildGroups(doc.NodeTable).route(role, child), expected) << c.what;
        }
    }
}

TEST(ConnectionLines, WithoutABusTheLineRunsCentreToCentre) {
    Document doc;
    const int father = addBox(doc, 20, 20);
    const int child = addBox(doc, 120, 40, -1, father);  // only 20 below
    const ChartCanvas canvas = paintLines(doc, child, PaintPass::Normal);
    const PixelSet ink = inkPixels(canvas, kPaper);
    EXPECT_EQ(ink.size(), std::size_t(140 - 40));
    EXPECT_TRUE(ink.count({40, 26}));
    EXPECT_FALSE(ink.count({140, 46}));
}

TEST(ConnectionLines, LineWidthZeroDrawsNoLinesAndNoShadows) {
    Family f;
    f.doc.settings.lineWidth = 0;
    for (PaintPass pass : {PaintPass::Normal, PaintPass::Shadow})
        EXPECT_TRUE(inkPixels(paintLines(f.doc, f.child, pass), kPaper).empty());
}

TEST(ConnectionLines, PenWidthComesFromImportanceLineWidthAndScale) {
    struct Case {
        std::uint8_t importance;
        int lineWidth;
        float scale;
        int thickness;  // 0: dotted hairline
    } cases[] = {{0, 1, 1.0f, 0}, {0, 3, 2.0f, 0}, {4, 3, 1.0f, 12}, {1, 1, 1.0f, 1},
                 {2, 1, 2.0f, 4}, {1, 2, 2.0f, 8}, {3, -1, 1.0f, 3}, {2, 3, 0.5f, 1}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.scale = c.scale;
        doc.settings.lineWidth = c.lineWidth;
        const int father = addBox(doc, 0, 0, -1, -1, {40, 20});
        const int child = addBox(doc, 0, 300, -1, father, {40, 20});
        doc.NodeTable[child].fatherImportance = c.importance;
        const ChartCanvas canvas = paintLines(doc, child, PaintPass::Normal, QSize(200, 700));
        // Across the father's drop halfway down to the bus; a dotted line
        // shows on some of six rows.
        int across = 0;
        for (int row = ToScreen(150, c.scale); row < ToScreen(150, c.scale) + 6; ++row) {
            int inRow = 0;
            for (int x = 0; x < 200; ++x)
                inRow += canvas.pixel(x, row) != kPaper;
            across = std::max(across, inRow);
        }
        int down = 0;
        for (int y = ToScreen(20, c.scale); y < ToScreen(250, c.scale); ++y)
            down += canvas.pixel(ToScreen(20, c.scale), y) != kPaper;
        const int dropLength = ToScreen(250, c.scale) - ToScreen(20, c.scale);
        if (c.thickness == 0) {
            EXPECT_EQ(across, 1) << int(c.importance) << " " << c.scale;
            EXPECT_LT(down, dropLength * 2 / 3) << "dotted";
        } else {
            EXPECT_EQ(across, c.thickness)
                << int(c.importance) << " " << c.lineWidth << " " << c.scale;
        }
    }
}

TEST(ConnectionLines, OnlyThePressedElementHighlightsItsOwnAndItsChildrensLines) {
    Document doc;
    const int grandmother = addBox(doc, 0, 0);
    const int grandfather = addBox(doc, 100, 0);
    const int pressed = addBox(doc, 50, 100, grandmother, grandfather);
    const int partner = addBox(doc, 200, 100);
    const int child = addBox(doc, 120, 200, partner, pressed);
    const int cousin = addBox(doc, 250, 200, partner, -1);
    doc.NodeTable.setSelected(cousin, true);  // selection does not colour lines
    doc.view.CurrentNode = pressed;
    const DocumentSettings &s = doc.settings;

    struct Case {
        int child;
        bool highlighted;
    } cases[] = {{pressed, true}, {child, true}, {cousin, false}};
    for (const Case &c : cases) {
        const ChartCanvas canvas = paintLines(doc, c.child, PaintPass::Normal, QSize(320, 260));
        const bool anySelected = !pixelsOf(canvas, s.selectedLineColor).empty();
        const bool anyNormal = !pixelsOf(canvas, s.motherLineColor).empty() ||
                               !pixelsOf(canvas, s.fatherLineColor).empty();
        EXPECT_EQ(anySelected, c.highlighted) << c.child;
        EXPECT_EQ(anyNormal, !c.highlighted) << c.child;
    }
}

TEST(ConnectionLines, AParentThatIsAHistoricalEventIsStillFollowed) {
    Document doc;
    tnode event;
    event.kind = kHistoricalEvent;
    event.x = 60;
    event.y = 0;
    const int parent = doc.NodeTable.append(event);
    doc.NodeTable.nameExtent(parent) = {100, 20};
    const int child = addBox(doc, 10, 200, -1, parent);
    const ChartCanvas canvas = paintLines(doc, child, PaintPass::Normal, QSize(300, 260));
    // The father's drop starts under the event's centre x, 60 + 100 / 2.
    EXPECT_EQ(canvas.pixel(110, 20), doc.settings.fatherLineColor);
    EXPECT_EQ(canvas.pixel(110, 19), kPaper);
}

TEST(ConnectionLines, TheFathersDropConvertsTopAndHeightApartTheMothersTheirSum) {
    // At 50 %, S(3) + S(13) = 1 + 6 but S(3 + 13) = 8.
    struct Case {
        ParentRole role;
        int firstRow;
    } cases[] = {{ParentRole::Father, 7}, {ParentRole::Mother, 8}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.scale = 0.5f;
        const int parent = addBox(doc, 0, 3, -1, -1, {40, 13});
        const bool father = c.role == ParentRole::Father;
        const int child = addBox(doc, 0, 200, father ? -1 : parent, father ? parent : -1);
        const ChartCanvas canvas = paintLines(doc, child, PaintPass::Normal);
        const TColor color = father ? doc.settings.fatherLineColor : doc.settings.motherLineColor;
        EXPECT_EQ(canvas.pixel(10, c.firstRow), color);
        EXPECT_EQ(canvas.pixel(10, c.firstRow - 1), kPaper);
    }
}

TEST(ConnectionLines, TheShadowIsTheLinesMovedFiveUnitsInTheShadowColour) {
    Family f;
    addBox(f.doc, 40, 110, f.mother, -1);
    addBox(f.doc, 240, 130, f.mother, f.father);
    addBox(f.doc, 260, 120, -1, f.child);  // 20 below its father: a straight line
    f.doc.NodeTable[f.child].fatherImportance = 0;
    f.doc.NodeTable[f.child].motherImportance = 3;
    const ChartCanvas shadow = paintAllLines(f.doc, PaintPass::Shadow);
    f.doc.view.ViewOriginX = 5;
    f.doc.view.ViewOriginY = 5;
    const ChartCanvas moved = paintAllLines(f.doc, PaintPass::Normal);
    EXPECT_FALSE(inkPixels(shadow, kPaper).empty());
    EXPECT_EQ(pixelsOf(shadow, f.doc.settings.shadowColor), inkPixels(moved, kPaper));
    EXPECT_EQ(inkPixels(shadow, kPaper), pixelsOf(shadow, f.doc.settings.shadowColor));
}

TEST(ConnectionLines, GatheringGroupsOncePaintsTheSamePixelsAsScanningPerLine) {
    struct Config {
        unsigned seed;
        int persons;
        float scale;
        int lineWidth;
    } configs[] = {{1, 60, 1.0f, 1}, {2, 120, 0.5f, 2}, {3, 80, 2.0f, 3}, {4, 150, 0.3f, -1}};
    for (const Config &config : configs) {
        std::mt19937 random(config.seed);
        auto pick = [&](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(random);
        };
        Document doc;
        doc.settings.scale = config.scale;
        doc.settings.lineWidth = config.lineWidth;
        doc.settings.showHGrid = true;
        for (int i = 0; i < config.persons; ++i) {
            // Generations 80 apart with a spread that mixes buses and straight lines.
            const int generation = i / 12;
            const int mother = generation > 0 && pick(0, 5) ? pick(0, i - 1) : -1;
            const int father = generation > 0 && pick(0, 5) ? pick(0, i - 1) : -1;
            const int person = addPerson(doc, pick(-50, 600), generation * 80 + pick(-60, 60),
                                         mother, father, "N" + std::to_string(i));
            doc.NodeTable[person].sex = std::uint8_t(pick(0, 2));
            doc.NodeTable[person].kind = pick(0, 15) ? kPerson : kHistoricalEvent;
            doc.NodeTable[person].motherImportance = std::uint8_t(pick(0, 4));
            doc.NodeTable[person].fatherImportance = std::uint8_t(pick(0, 4));
        }
        doc.view.CurrentNode = pick(0, config.persons - 1);
        ChartCanvas fast(QSize(400, 300));
        ChartCanvas direct(QSize(400, 300));
        PaintScene(fast, doc, {}, ChildGroupSearch::GatherOnce);
        PaintScene(direct, doc, {}, ChildGroupSearch::ScanPerLine);
        EXPECT_EQ(fast.image(), direct.image()) << "seed " << config.seed;
    }
}
