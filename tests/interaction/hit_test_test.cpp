#include <gtest/gtest.h>

#include "interaction/hit_test.h"
#include "interaction_support.h"

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
        doc.ViewOriginX = c.origin.x();
        doc.ViewOriginY = c.origin.y();
        for (EventBand band : {EventBand::OneLine, EventBand::StoredHeight}) {
            EXPECT_EQ(HitTest(doc, c.pointer.x(), c.pointer.y(), band), c.hit ? 0 : -1)
                << "scale " << c.scale << " at " << c.pointer.x() << "," << c.pointer.y();
        }
    }
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
