#include <gtest/gtest.h>

#include "edit/document_session.h"

#include "interaction/selection_commands.h"
#include "interaction_support.h"
#include "recording_host.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

std::vector<int> selectedOf(const Document &doc) {
    return doc.NodeTable.selectedIndexes();
}

}  // namespace

TEST(SelectionCommands, SelectAllMarksEveryElement) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    addBox(doc, 0, 0);
    addEvent(doc, 50);
    SelectAllElements(session, host);
    EXPECT_EQ(selectedOf(doc), (std::vector<int>{0, 1}));
    EXPECT_EQ(host.delSelectedVisible, true);
    EXPECT_TRUE(host.takeRedrawRequest());
}

TEST(SelectionCommands, SidesCompareTopLeftCornersWithThePressStrictly) {
    // The context menu was opened at (300, 200) with the origin at (-100, 0):
    // 400, 200 from the chart origin.
    struct Case {
        ChartSide side;
        float scale;
        std::vector<int> selected;
    } cases[] = {
        {ChartSide::Below, 1.0f, {2, 3}},    {ChartSide::Above, 1.0f, {0}},
        {ChartSide::Right, 1.0f, {1}},       {ChartSide::Left, 1.0f, {2, 3}},
        {ChartSide::Right, 2.0f, {0, 1}},    {ChartSide::Above, 2.0f, {}},
        {ChartSide::Below, 2.0f, {1, 2, 3}},
    };
    for (const Case &c : cases) {
        Document doc;
        DocumentSession session{doc};
        RecordingHost host(doc);
        addBox(doc, 400, 100);  // level with the press horizontally
        addBox(doc, 450, 200);  // level with it vertically
        addBox(doc, 0, 500);
        addEvent(doc, 300);
        doc.settings.scale = c.scale;
        doc.view.LastMouseX = 300;
        doc.view.LastMouseY = 200;
        doc.view.ViewOriginX = -100;
        host.cursor = ChartCursor::HandGrabs;
        host.screenCursor = ChartCursor::HandGrabs;
        SelectSide(session, host, c.side);
        EXPECT_EQ(selectedOf(doc), c.selected) << "side " << int(c.side) << " scale " << c.scale;
        EXPECT_EQ(host.delSelectedVisible,
                  c.selected.empty() ? std::nullopt : std::optional<bool>(true));
        EXPECT_EQ(host.cursor, ChartCursor::HandFlat);
        EXPECT_EQ(host.screenCursor, std::nullopt);
    }
}

TEST(SelectionCommands, ASideAddsToTheSelection) {
    Document doc;
    DocumentSession session{doc};
    RecordingHost host(doc);
    addBox(doc, 0, 0);
    addBox(doc, 0, 300);
    doc.NodeTable.setSelected(0, true);
    doc.view.LastMouseX = doc.view.LastMouseY = 100;
    SelectSide(session, host, ChartSide::Below);
    EXPECT_EQ(selectedOf(doc), (std::vector<int>{0, 1}));
}
