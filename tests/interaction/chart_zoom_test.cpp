#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "edit/document_session.h"

#include "interaction/chart_zoom.h"
#include "interaction_support.h"
#include "recording_host.h"
#include "render/view_geometry.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

const QSize kArea(800, 600);

QPoint origin(const Document &doc) {
    return {doc.view.ViewOriginX, doc.view.ViewOriginY};
}

// The chart point shown at the centre of the view.
QPoint centrePoint(const Document &doc) {
    const float scale = doc.settings.scale;
    return {ToChart(kArea.width() / 2 - doc.view.ViewOriginX, scale),
            ToChart(kArea.height() / 2 - doc.view.ViewOriginY, scale)};
}

}  // namespace

TEST(ChartZoom, ZoomingKeepsTheCentreOfTheView) {
    struct Case {
        float baseScale;
        QPoint baseOrigin;
        int percent;
        QPoint origin;
    } cases[] = {
        {1.0f, {0, 0}, 200, {-400, -300}},
        {1.0f, {0, 0}, 50, {200, 150}},
        {1.0f, {-100, 40}, 200, {-600, -220}},
        // From 50 %, the point at the centre is (1000, 520); at 100 % it stays there.
        {0.5f, {-100, 40}, 100, {-600, -220}},
        {2.0f, {-400, -300}, 100, {0, 0}},
    };
    for (const Case &c : cases) {
        Document doc;
        DocumentSession session{doc};
        doc.settings.scale = c.baseScale;
        doc.view.ViewOriginX = c.baseOrigin.x();
        doc.view.ViewOriginY = c.baseOrigin.y();
        const QPoint centre = centrePoint(doc);
        ApplyZoom(session, TakeZoomBase(doc), c.percent, kArea);
        EXPECT_FLOAT_EQ(doc.settings.scale, c.percent / 100.0f);
        EXPECT_EQ(origin(doc), c.origin) << c.baseScale << " to " << c.percent;
        EXPECT_EQ(centrePoint(doc), centre);
    }
}

TEST(ChartZoom, MovingTheTrackBarBackAndForthDoesNotDrift) {
    Document doc;
    DocumentSession session{doc};
    doc.settings.scale = 0.37f;
    doc.view.ViewOriginX = -1234;
    doc.view.ViewOriginY = 567;
    const ZoomBase base = TakeZoomBase(doc);
    for (int percent : {1, 13, 199, 200, 64, 37})
        ApplyZoom(session, base, percent, kArea);
    EXPECT_EQ(origin(doc), QPoint(-1234, 567));
}

TEST(ChartZoom, TrackBarShowsWholePercentWithHalvesToEven) {
    EXPECT_EQ(TrackBarPositionFor(1.0f), 100);
    EXPECT_EQ(TrackBarPositionFor(0.29f), 29);
    EXPECT_EQ(TrackBarPositionFor(0.125f), 12);
    EXPECT_EQ(TrackBarPositionFor(0.375f), 38);
}

TEST(ChartZoom, TrackBarChangeRefreshesTheBarsWithoutMarkingTheDocument) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    addBox(doc, 1000, 1000);
    ChartZoom zoom(session, host);
    zoom.takeBase();
    zoom.TrackBar1Change(50);
    EXPECT_EQ(host.bars.ScrollBarH.Max(), ToScreen(1040, 0.5f));
    EXPECT_TRUE(host.takeRedrawRequest());
    EXPECT_FALSE(doc.DocumentModified);
}

// Scrolling while the zoom window is open is kept: the next track bar change zooms about
// the centre of the scrolled view, and moving it back and forth still does not drift.
TEST(ChartZoom, TrackBarKeepsAViewScrolledWhileTheWindowIsOpen) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    ChartZoom zoom(session, host);
    zoom.NmashtabClick();
    zoom.TrackBar1Change(200);
    doc.view.ViewOriginY -= 1000;  // the wheel scrolls the chart down
    const QPoint centre = centrePoint(doc);
    zoom.TrackBar1Change(50);
    EXPECT_EQ(centrePoint(doc), centre);
    const QPoint zoomedOut = origin(doc);
    for (int percent : {7, 150, 200, 50})
        zoom.TrackBar1Change(percent);
    EXPECT_EQ(origin(doc), zoomedOut);
}

namespace {

// The chart point under chart-area pixel `at`.
QPoint chartPointAt(const Document &doc, QPoint at) {
    const float scale = doc.settings.scale;
    return {ToChart(at.x() - doc.view.ViewOriginX, scale),
            ToChart(at.y() - doc.view.ViewOriginY, scale)};
}

}  // namespace

TEST(ChartZoom, ZoomingAroundThePointerKeepsItsChartPoint) {
    struct Case {
        float baseScale;
        QPoint baseOrigin;
        QPoint pointer;
        int percent;
    } cases[] = {
        {1.0f, {0, 0}, {100, 500}, 110},
        {1.0f, {-250, 70}, {790, 10}, 90},
        {0.5f, {-100, 40}, {0, 0}, 200},
        {2.0f, {-4000, -3000}, {321, 123}, 10},
    };
    for (const Case &c : cases) {
        Document doc;
        DocumentSession session{doc};
        doc.settings.scale = c.baseScale;
        doc.view.ViewOriginX = c.baseOrigin.x();
        doc.view.ViewOriginY = c.baseOrigin.y();
        const QPoint before = chartPointAt(doc, c.pointer);
        ZoomAround(session, TakeZoomBase(doc), c.percent, c.pointer);
        const QPoint after = chartPointAt(doc, c.pointer);
        // Both readings truncate to whole pixels and units, and the new origin to a
        // whole pixel: the point may move by what a pixel covers at each scale.
        const int slack = int(std::ceil(1 / c.baseScale + 2 / doc.settings.scale));
        EXPECT_LE(std::abs(after.x() - before.x()), slack) << c.pointer.x() << " to " << c.percent;
        EXPECT_LE(std::abs(after.y() - before.y()), slack) << c.pointer.y() << " to " << c.percent;
    }
}

TEST(ChartZoom, WheelStepsGoFromTickToTickWithinTheTrackBarRange) {
    struct Case {
        float scale;
        int in, out;
    } cases[] = {
        {1.0f, 110, 90}, {1.05f, 110, 100}, {0.1f, 20, 1}, {0.01f, 10, 1},
        {0.05f, 10, 1},  {2.0f, 200, 190},  {0.0f, 10, 1}, {0.29f, 30, 20},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(NextZoomStep(c.scale, true), c.in) << c.scale;
        EXPECT_EQ(NextZoomStep(c.scale, false), c.out) << c.scale;
    }
}

TEST(ChartZoom, CtrlWheelZoomsAroundThePointerWithoutMarkingTheDocument) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    addBox(doc, 1000, 1000);
    ChartZoom zoom(session, host);
    const QPoint pointer(200, 100);
    const QPoint before = chartPointAt(doc, pointer);
    EXPECT_TRUE(zoom.wheelZoom(120, pointer));
    EXPECT_FLOAT_EQ(doc.settings.scale, 1.1f);
    EXPECT_LE((chartPointAt(doc, pointer) - before).manhattanLength(), 2);
    EXPECT_EQ(host.bars.ScrollBarH.Max(), ToScreen(1040, 1.1f));
    EXPECT_TRUE(host.takeRedrawRequest());
    EXPECT_FALSE(doc.DocumentModified);
}

TEST(ChartZoom, SmallWheelTurnsAddUpToANotchAndATurnBackStartsAfresh) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    ChartZoom zoom(session, host);
    struct Step {
        int delta;
        bool zooms;
        float scale;
    } steps[] = {
        {40, false, 1.0f},  {40, false, 1.0f}, {40, true, 1.1f},  // a touchpad's small turns
        {-60, false, 1.1f}, {60, false, 1.1f},                    // back and forth: nothing
        {240, true, 1.3f},                                        // two notches at once
        {-120, true, 1.2f},
    };
    for (const Step &s : steps) {
        EXPECT_EQ(zoom.wheelZoom(s.delta, QPoint(10, 10)), s.zooms) << s.delta;
        EXPECT_FLOAT_EQ(doc.settings.scale, s.scale) << s.delta;
    }
    doc.settings.scale = 2.0f;
    EXPECT_FALSE(zoom.wheelZoom(120, QPoint(10, 10))) << "nothing beyond 200 %";
    EXPECT_TRUE(zoom.wheelZoom(std::numeric_limits<int>::min(), QPoint(10, 10)));
    EXPECT_FLOAT_EQ(doc.settings.scale, 0.01f) << "a wild turn ends at the bottom of the range";
}

TEST(ChartZoom, FitShowsEveryElementCentredAtTheLargestScaleThatFits) {
    Document doc;
    DocumentSession session{doc};
    addBox(doc, -3000, 200, 40, 16);
    addBox(doc, 5000, 4000, 40, 16);
    addEvent(doc, 9000);
    const QSize area = kArea;
    FitWholeChart(session, area);
    const float scale = doc.settings.scale;
    const int percent = TrackBarPositionFor(scale);
    EXPECT_GT(percent, 1);
    // Every box lies inside the view, and one percent more would not fit.
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        const tnode &node = doc.NodeTable[i];
        const int top = ToScreen(node.y, scale) + doc.view.ViewOriginY;
        const int bottom =
            ToScreen(node.y + doc.NodeTable.nameExtent(i).height, scale) + doc.view.ViewOriginY;
        EXPECT_GE(top, 0);
        EXPECT_LE(bottom, area.height());
        if (node.isPerson()) {
            const int left = ToScreen(node.x, scale) + doc.view.ViewOriginX;
            const int right =
                ToScreen(node.x + doc.NodeTable.nameExtent(i).width, scale) + doc.view.ViewOriginX;
            EXPECT_GE(left, 0);
            EXPECT_LE(right, area.width());
        }
    }
    const int tallest = 9000 + doc.NodeTable.nameExtent(2).height - 200;
    const float larger = float(percent + 1) / 100;
    EXPECT_GT(ToScreen(200 + tallest, larger) - ToScreen(200, larger), area.height() - 16);
    // Centred: the free space above equals the free space below within a pixel.
    const int top = ToScreen(200, scale) + doc.view.ViewOriginY;
    const int bottom = ToScreen(200 + tallest, scale) + doc.view.ViewOriginY;
    EXPECT_LE(std::abs(top - (area.height() - bottom)), 1);
    EXPECT_FALSE(doc.DocumentModified);
}

TEST(ChartZoom, FitOfAFewSmallBoxesStopsAtTheLargestScale) {
    Document doc;
    DocumentSession session{doc};
    addBox(doc, 10, 10);
    FitWholeChart(session, kArea);
    EXPECT_FLOAT_EQ(doc.settings.scale, 2.0f);
    EXPECT_EQ(origin(doc), QPoint((800 - 80) / 2 - 20, (600 - 32) / 2 - 20));
}

TEST(ChartZoom, FitOfAnEmptyChartShowsItsOriginAtFullSize) {
    Document doc;
    DocumentSession session{doc};
    doc.settings.scale = 0.3f;
    doc.view.ViewOriginX = -500;
    doc.view.ViewOriginY = 70;
    FitWholeChart(session, kArea);
    EXPECT_FLOAT_EQ(doc.settings.scale, 1.0f);
    EXPECT_EQ(origin(doc), QPoint(0, 0));
}

TEST(ChartZoom, FitOfFarApartExtremesStaysWithinRange) {
    Document doc;
    DocumentSession session{doc};
    addBox(doc, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min());
    addBox(doc, std::numeric_limits<std::int32_t>::max() - 100,
           std::numeric_limits<std::int32_t>::max() - 100);
    FitWholeChart(session, kArea);
    EXPECT_FLOAT_EQ(doc.settings.scale, 0.01f);
}

TEST(ChartZoom, ActualSizeZoomsToFullSizeAboutTheCentre) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    doc.settings.scale = 0.5f;
    doc.view.ViewOriginX = -100;
    doc.view.ViewOriginY = 40;
    ChartZoom zoom(session, host);
    zoom.actualSize();
    EXPECT_FLOAT_EQ(doc.settings.scale, 1.0f);
    EXPECT_EQ(origin(doc), QPoint(-600, -220));
    EXPECT_TRUE(host.takeRedrawRequest());
}
