#include <gtest/gtest.h>

#include <random>

#include "interaction/hit_test.h"
#include "interaction_support.h"
#include "render/view_geometry.h"

using namespace kinvarro;
using namespace kinvarro::test;

TEST(HitTest, PersonBoxReachesTwoUnitsPastTheNameWithEveryEdgeExcluded) {
    struct Case {
        float scale;
        QPoint origin;
        QPoint pointer;
        bool hit;
    } cases[] = {
        // Box (100, 50) 40 x 16 covers 98 < x < 142 and 48 < y < 68 at scale 1.
        {1.0f, {0, 0}, {98, 60}, false},
        {1.0f, {0, 0}, {99, 60}, true},
        {1.0f, {0, 0}, {141, 60}, true},
        {1.0f, {0, 0}, {142, 60}, false},
        {1.0f, {0, 0}, {120, 48}, false},
        {1.0f, {0, 0}, {120, 49}, true},
        {1.0f, {0, 0}, {120, 67}, true},
        {1.0f, {0, 0}, {120, 68}, false},
        {1.0f, {10, 20}, {108, 80}, false},
        {1.0f, {10, 20}, {109, 80}, true},
        // At scale 2 the edges are ToScreen(98) = 196 and ToScreen(142) = 284.
        {2.0f, {0, 0}, {196, 120}, false},
        {2.0f, {0, 0}, {197, 120}, true},
        {2.0f, {0, 0}, {283, 120}, true},
        {2.0f, {0, 0}, {284, 120}, false},
    };
    for (const Case &c : cases) {
        Document doc;
        addBox(doc, 100, 50);
        doc.settings.scale = c.scale;
        doc.view.ViewOriginX = c.origin.x();
        doc.view.ViewOriginY = c.origin.y();
        for (EventBand band : {EventBand::OneLine, EventBand::StoredHeight}) {
            EXPECT_EQ(HitTest(doc, c.pointer.x(), c.pointer.y(), band), c.hit ? 0 : -1)
                << "scale " << c.scale << " at " << c.pointer.x() << "," << c.pointer.y();
        }
    }
}

// The box the hover hint keeps its picture off has the hit test's edges.
TEST(HitTest, ElementBoxOnCanvasHasTheHitEdges) {
    Document doc;
    addBox(doc, 100, 50);
    EXPECT_EQ(ElementBoxOnCanvas(doc, 0), QRect(QPoint(98, 48), QPoint(142, 68)));
    doc.settings.scale = 2.0f;
    doc.view.ViewOriginX = 10;
    EXPECT_EQ(ElementBoxOnCanvas(doc, 0), QRect(QPoint(206, 96), QPoint(294, 136)));
    EXPECT_EQ(ElementBoxOnCanvas(doc, 1), QRect());
    EXPECT_EQ(ElementBoxOnCanvas(doc, -1), QRect());
}

TEST(HitTest, PersonsWinOverEventsAndLaterElementsOverEarlierOnes) {
    Document doc;
    const int lower = addBox(doc, 100, 50);
    const int upper = addBox(doc, 120, 50);
    const int event = addEvent(doc, 50);
    const int laterEvent = addEvent(doc, 52);
    EXPECT_EQ(HitTest(doc, 110, 55, EventBand::OneLine), lower);
    EXPECT_EQ(HitTest(doc, 130, 55, EventBand::OneLine), upper);
    // Outside both boxes only the bands remain; the later event is on top.
    EXPECT_EQ(HitTest(doc, 500, 55, EventBand::OneLine), laterEvent);
    EXPECT_EQ(HitTest(doc, -3000, 49, EventBand::OneLine), event);
}

TEST(HitTest, RightPressUsesTheEventsWholeNameHeight) {
    Document doc;
    const int event = addEvent(doc, 200, 3);
    const int line = chartLineHeight(doc);
    ASSERT_EQ(doc.NodeTable.nameExtent(event).height, 3 * line);
    const int secondLine = 200 + line + line / 2;
    EXPECT_EQ(HitTest(doc, 0, secondLine, EventBand::OneLine), -1);
    EXPECT_EQ(HitTest(doc, 0, secondLine, EventBand::StoredHeight), event);
    EXPECT_EQ(HitTest(doc, 0, 200 + line + 1, EventBand::OneLine), event);
    EXPECT_EQ(HitTest(doc, 0, 200 + line + 2, EventBand::OneLine), -1);
}

TEST(HitTest, ElementsOfAnUnknownKindAreNeverHit) {
    Document doc;
    const int event = addEvent(doc, 200);
    const int unknown = addEvent(doc, 200);
    doc.NodeTable[unknown].kind = 7;
    EXPECT_EQ(HitTest(doc, 0, 202, EventBand::OneLine), event);
    doc.NodeTable[event].kind = 9;
    EXPECT_EQ(HitTest(doc, 0, 202, EventBand::StoredHeight), -1);
}

namespace {

// The hit test as the rules state it, element by element.
int referenceHitTest(const Document &doc, int X, int Y, EventBand band) {
    const float scale = doc.settings.scale;
    auto S = [scale](std::int64_t v) { return std::int64_t(ToScreen(std::int32_t(v), scale)); };
    const std::int64_t mx = std::int64_t(X) - doc.view.ViewOriginX;
    const std::int64_t my = std::int64_t(Y) - doc.view.ViewOriginY;
    auto within = [](std::int64_t from, std::int64_t value, std::int64_t to) {
        return from < value && value < to;
    };
    const ElementTable &table = doc.NodeTable;
    for (int i = table.NodeCount() - 1; i >= 0; --i) {
        const tnode &node = table[i];
        const NameExtent e = table.nameExtent(i);
        if (node.isPerson() && within(S(node.x - 2), mx, S(node.x + e.width + 2)) &&
            within(S(node.y - 2), my, S(node.y + e.height + 2)))
            return i;
    }
    for (int i = table.NodeCount() - 1; i >= 0; --i) {
        const tnode &node = table[i];
        const int height =
            band == EventBand::OneLine ? chartLineHeight(doc) : table.nameExtent(i).height;
        if (node.isHistoricalEvent() && within(S(node.y - 2), my, S(node.y + height + 2)))
            return i;
    }
    return -1;
}

}  // namespace

TEST(HitTest, AgreesWithTheRulesOnRandomChartsAtAnyScale) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> coordinate(-400, 400);
    std::uniform_int_distribution<int> size(0, 60);
    std::uniform_int_distribution<int> percent(1, 200);
    for (int chart = 0; chart < 40; ++chart) {
        Document doc;
        for (int i = 0; i < 30; ++i) {
            if (i % 7 == 0) {
                addEvent(doc, coordinate(random), 1 + i % 3);
            } else {
                addBox(doc, coordinate(random), coordinate(random), size(random), size(random));
            }
        }
        doc.settings.scale = chart == 0 ? 0.29f : float(percent(random)) / 100;
        doc.view.ViewOriginX = coordinate(random);
        doc.view.ViewOriginY = coordinate(random);
        for (int point = 0; point < 300; ++point) {
            const int X = coordinate(random) + 200;
            const int Y = coordinate(random) + 200;
            for (EventBand band : {EventBand::OneLine, EventBand::StoredHeight}) {
                ASSERT_EQ(HitTest(doc, X, Y, band), referenceHitTest(doc, X, Y, band))
                    << "scale " << doc.settings.scale << " at " << X << "," << Y;
            }
        }
    }
}
