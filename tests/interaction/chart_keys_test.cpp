#include <gtest/gtest.h>

#include "edit/document_session.h"

#include "interaction/chart_keys.h"
#include "interaction/element_commands.h"
#include "interaction_support.h"
#include "recording_host.h"
#include "scripted_prompts.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ChartKeysTest : public ::testing::Test {
  protected:
    Document doc;
    DocumentSession session{doc};
    RecordingHost host{doc, session};
    ScriptedPrompts prompts;
    ElementCommands commands{session, host, prompts};
    ChartKeyboard keys{session, host, commands};
};

}  // namespace

TEST(NearestElement, TakesTheClosestNameCentreAndTiesGoToTheLaterElement) {
    Document doc;
    addBox(doc, 0, 0);
    EXPECT_EQ(NearestElement(doc, 0), -1) << "no other element";
    addBox(doc, 100, 0);
    addBox(doc, 0, 100);  // as far as element 1
    addBox(doc, 500, 0);
    EXPECT_EQ(NearestElement(doc, 0), 2);
    EXPECT_EQ(NearestElement(doc, 3), 1);
}

TEST(NearestElement, IgnoresElementsFartherThanTheLimit) {
    for (const auto &[distance, found] : {std::pair{200000, 1}, std::pair{200001, -1}}) {
        Document doc;
        addBox(doc, 0, 0);
        addBox(doc, distance / 2, distance - distance / 2);
        EXPECT_EQ(NearestElement(doc, 0), found) << distance;
    }
}

TEST_F(ChartKeysTest, FAndMLinkTheCurrentElementOnBothLayouts) {
    struct Case {
        char16_t key;
        bool father;
        bool mother;
    } cases[] = {
        {u'F', true, false},  {u'f', true, false},  {u'А', true, false},  {u'а', true, false},
        {u'M', false, true},  {u'm', false, true},  {u'Ь', false, true},  {u'ь', false, true},
        {u'V', false, false}, {u'ф', false, false}, {u' ', false, false},
    };
    addBox(doc, 0, 0);
    addBox(doc, 100, 0);
    for (const Case &c : cases) {
        doc.NodeTable[0].fatherIndex = doc.NodeTable[0].motherIndex = -1;
        doc.view.CurrentNode = 0;
        host.takeRedrawRequest();
        keys.FormKeyPress(QChar(c.key));
        EXPECT_EQ(doc.NodeTable[0].fatherIndex, c.father ? 1 : -1) << int(c.key);
        EXPECT_EQ(doc.NodeTable[0].motherIndex, c.mother ? 1 : -1) << int(c.key);
        EXPECT_EQ(host.takeRedrawRequest(), c.father || c.mother);
        // A new link is a change to save, and one step to undo.
        EXPECT_EQ(doc.DocumentModified, c.father || c.mother) << int(c.key);
        if (c.father || c.mother) {
            session.undoStack().undo();
            EXPECT_EQ(doc.NodeTable[0].fatherIndex, -1);
            EXPECT_EQ(doc.NodeTable[0].motherIndex, -1);
            EXPECT_FALSE(doc.DocumentModified);
        }
    }
}

TEST_F(ChartKeysTest, AParentKeyMayLinkAHistoricalEvent) {
    addBox(doc, 0, 0);
    addEvent(doc, 10);
    doc.view.CurrentNode = 0;
    keys.FormKeyPress(QChar(u'M'));
    EXPECT_EQ(doc.NodeTable[0].motherIndex, 1);
}

TEST_F(ChartKeysTest, ReleasedKeysScrollByTheirBarsStepsWithinTheRange) {
    addBox(doc, 0, 0);
    addBox(doc, 3000, 2000);  // ranges 0..3040 by 0..2016
    host.UpdateScrollBars();
    ASSERT_EQ(host.bars.ScrollBarV.LargeChange, 540);
    struct Step {
        ChartKey key;
        QPoint origin;
    } steps[] = {
        {ChartKey::PageDown, {0, -540}},    {ChartKey::PageDown, {0, -1080}},
        {ChartKey::PageUp, {0, -540}},      {ChartKey::Up, {0, -510}},
        {ChartKey::Down, {0, -540}},        {ChartKey::Left, {0, -540}},
        {ChartKey::Right, {-30, -540}},     {ChartKey::PageDown, {-30, -1080}},
        {ChartKey::PageDown, {-30, -1620}}, {ChartKey::PageDown, {-30, -2016}},
        {ChartKey::Other, {-30, -2016}},
    };
    for (const Step &s : steps) {
        host.takeRedrawRequest();
        keys.FormKeyUp(s.key, false);
        EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), s.origin) << int(s.key);
        EXPECT_EQ(host.bars.ScrollBarV.Position(), -s.origin.y());
        EXPECT_EQ(host.takeRedrawRequest(), s.key != ChartKey::Other);
    }
    keys.FormMouseWheel(true);
    EXPECT_EQ(doc.view.ViewOriginY, -2016) << "the wheel stops at the end of the range";
    keys.FormMouseWheel(false);
    EXPECT_EQ(doc.view.ViewOriginY, -1986);
    keys.horizontalWheel(true);
    EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), QPoint(-60, -1986));
    keys.horizontalWheel(false);
    keys.horizontalWheel(false);
    keys.horizontalWheel(false);
    EXPECT_EQ(doc.view.ViewOriginX, 0) << "Shift+wheel stops at the start of the range";
    EXPECT_EQ(host.bars.ScrollBarH.Position(), 0);
}

TEST_F(ChartKeysTest, ShiftShowsTheCrossUntilItIsReleased) {
    keys.FormKeyDown(ChartKey::Other, true);
    EXPECT_EQ(host.cursor, ChartCursor::Cross);
    keys.FormKeyUp(ChartKey::Other, true);
    EXPECT_EQ(host.cursor, ChartCursor::Cross);
    keys.FormKeyUp(ChartKey::Other, false);
    EXPECT_EQ(host.cursor, ChartCursor::Arrow);
    host.cursor = ChartCursor::HandPoint;
    keys.FormKeyUp(ChartKey::Other, false);
    EXPECT_EQ(host.cursor, ChartCursor::HandPoint);
}

TEST_F(ChartKeysTest, DeleteAsksToDeleteTheSelection) {
    addBox(doc, 0, 0);
    doc.NodeTable.setSelected(0, true);
    prompts.answers = {Answer::Yes};
    keys.FormKeyDown(ChartKey::Delete, false);
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 0);
}

TEST_F(ChartKeysTest, EscapeClearsTheSelectionAndNothingElse) {
    addBox(doc, 0, 0);
    addBox(doc, 100, 0);
    session.setSelected(0, true);
    session.setSelected(1, true);
    keys.FormKeyDown(ChartKey::Escape, false);
    EXPECT_TRUE(doc.NodeTable.selectedIndexes().empty());
    EXPECT_EQ(doc.NodeTable.NodeCount(), 2);
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(session.undoStack().count(), 0);
}
