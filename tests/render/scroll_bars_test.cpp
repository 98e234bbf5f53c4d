#include <gtest/gtest.h>

#include <limits>

#include "render/scroll_bars.h"
#include "render_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

TEST(ScrollBars, BoundsAndPositionClampEachOther) {
    ScrollBarModel bar;
    bar.setMax(100);
    bar.setPosition(250);
    EXPECT_EQ(bar.Position(), 100);
    bar.setMin(-50);
    bar.setPosition(-80);
    EXPECT_EQ(bar.Position(), -50);
    bar.setMin(300);  // above the maximum: becomes it
    EXPECT_EQ(bar.Min(), 100);
    EXPECT_EQ(bar.Position(), 100);
    bar.setMax(20);  // below the minimum: becomes it
    EXPECT_EQ(bar.Max(), 100);
    bar.setMin(-10);
    bar.setPosition(60);
    bar.setMax(40);  // a narrowed range pulls the position inside
    EXPECT_EQ(bar.Position(), 40);
}

TEST(ScrollBars, RangesSpanTheElementsInPixelsAndAlwaysHoldZero) {
    Document doc;
    doc.settings.scale = 0.5f;
    addBox(doc, 100, 40, -1, -1, {60, 20});
    addBox(doc, -300, 500, -1, -1, {50, 30});
    tnode event;
    event.kind = kHistoricalEvent;
    event.x = 5000;  // events never widen the horizontal range
    event.y = -90;
    const int eventIndex = doc.NodeTable.append(event);
    doc.NodeTable.nameExtent(eventIndex) = {900, 16};
    doc.view.ViewOriginX = -40;
    doc.view.ViewOriginY = 1000;
    ScrollBars bars;
    UpdateScrollBars(doc, QSize(800, 600), bars);
    EXPECT_EQ(bars.ScrollBarH.Min(), -150);
    EXPECT_EQ(bars.ScrollBarH.Max(), 80);
    EXPECT_EQ(bars.ScrollBarV.Min(), -45);
    EXPECT_EQ(bars.ScrollBarV.Max(), 265);
    EXPECT_EQ(bars.ScrollBarH.Position(), 40);
    EXPECT_EQ(bars.ScrollBarV.Position(), -45) << "clamped; the origin is not changed";
    EXPECT_EQ(doc.view.ViewOriginY, 1000);
    EXPECT_EQ(bars.ScrollBarH.LargeChange, 720);
    EXPECT_EQ(bars.ScrollBarV.LargeChange, 540);
    EXPECT_EQ(bars.ScrollBarH.SmallChange, 30);
}

TEST(ScrollBars, VisibleExactlyWhenTheRangeReachesPastTheView) {
    struct Case {
        bool withElement;
        std::int32_t originY;
        bool visible;
    } cases[] = {{false, 0, false},  {false, -1, true},  {false, 599, false}, {false, 600, true},
                 {true, 0, true},    {true, -100, true}, {true, 29, true},    {true, 30, false},
                 {true, 570, false}, {true, 600, true}};
    for (const Case &c : cases) {
        Document doc;
        if (c.withElement)
            addBox(doc, 0, -30, -1, -1, {40, 20});  // vertical range -30 .. 0
        doc.view.ViewOriginY = c.originY;
        ScrollBars bars;
        UpdateScrollBars(doc, QSize(800, 600), bars);
        EXPECT_EQ(bars.ScrollBarV.Visible, c.visible) << c.withElement << " " << c.originY;
    }
}

TEST(ScrollBars, OnlyHistoricalEventsKeepTheHorizontalRangeAtZero) {
    Document doc;
    tnode event;
    event.kind = kHistoricalEvent;
    event.x = -700;
    event.y = 30;
    const int index = doc.NodeTable.append(event);
    doc.NodeTable.nameExtent(index) = {300, 16};
    ScrollBars bars;
    UpdateScrollBars(doc, QSize(800, 600), bars);
    EXPECT_EQ(bars.ScrollBarH.Min(), 0);
    EXPECT_EQ(bars.ScrollBarH.Max(), 0);
    EXPECT_EQ(bars.ScrollBarV.Max(), 46);
}

TEST(ScrollBars, ExtremeCoordinatesSaturateAndSyncFollowsTheOrigin) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    Document doc;
    addBox(doc, kMax, kMin, -1, -1, {100, 100});
    doc.view.ViewOriginX = kMin;
    ScrollBars bars;
    UpdateScrollBars(doc, QSize(800, 600), bars);
    EXPECT_EQ(bars.ScrollBarH.Max(), kMax);
    EXPECT_EQ(bars.ScrollBarV.Min(), kMin);
    EXPECT_EQ(bars.ScrollBarH.Position(), kMax);
    doc.view.ViewOriginX = -25;
    doc.view.ViewOriginY = 40;
    SyncScrollBarPositions(doc, bars);
    EXPECT_EQ(bars.ScrollBarH.Position(), 25);
    EXPECT_EQ(bars.ScrollBarV.Position(), -40);
}
