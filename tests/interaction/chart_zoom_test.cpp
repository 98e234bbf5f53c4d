#include <gtest/gtest.h>

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
