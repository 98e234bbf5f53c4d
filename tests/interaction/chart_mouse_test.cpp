#include <gtest/gtest.h>

#include "edit/document_session.h"

#include "interaction/chart_keys.h"
#include "interaction/element_commands.h"
#include "interaction_support.h"
#include "recording_host.h"
#include "render/view_geometry.h"
#include "scripted_prompts.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ChartMouseTest : public ::testing::Test {
  protected:
    int indexOfId(int id) const {
        for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
            if (doc.NodeTable[i].id == id)
                return i;
        }
        return -1;
    }
    const tnode &byId(int id) const { return doc.NodeTable[indexOfId(id)]; }
    bool selectedId(int id) const { return doc.NodeTable.selected(indexOfId(id)); }
    QPoint positionOf(int id) const { return {byId(id).x, byId(id).y}; }

    Document doc;
    DocumentSession session{doc};
    RecordingHost host{doc, session};
    ChartMouse mouse{session, host, host};
};

}  // namespace

TEST_F(ChartMouseTest, DraggingMovesThePressedElementWithTheSelectionAndSnapsOnRelease) {
    const int a = doc.NodeTable[addBox(doc, 100, 100)].id;
    const int b = doc.NodeTable[addBox(doc, 300, 100)].id;
    const int c = doc.NodeTable[addBox(doc, 500, 300)].id;
    doc.NodeTable[0].fatherIndex = 2;  // a's father is c
    doc.NodeTable[2].motherIndex = 1;  // c's mother is b
    doc.NodeTable.setSelected(1, true);
    doc.settings.alignToGrid = true;

    mouse.press(leftPress(110, 105));
    // The pressed element is now on top, and the links follow the renumbering.
    EXPECT_EQ(indexOfId(a), 2);
    EXPECT_EQ(doc.view.CurrentNode, 2);
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(byId(a).fatherIndex, indexOfId(c));
    EXPECT_EQ(byId(c).motherIndex, indexOfId(b));
    EXPECT_TRUE(selectedId(b));
    EXPECT_EQ(host.cursor, ChartCursor::HandPoint);
    EXPECT_EQ(host.screenCursor, ChartCursor::HandGrabs);

    mouse.move(leftDrag(117, 112));
    mouse.move(leftDrag(130, 112));
    EXPECT_EQ(positionOf(a), QPoint(120, 107));
    EXPECT_EQ(positionOf(b), QPoint(320, 107));
    EXPECT_EQ(positionOf(c), QPoint(500, 300));
    EXPECT_EQ(host.paints, 0) << "drag steps only request redraws";

    host.scrollBarUpdates = 0;
    mouse.release(leftRelease(130, 112));
    // Name box centres land mid-cell: horizontal lines every 25, vertical every 15.
    // a: centre (140, 115) -> (142, 112); b: centre (340, 115) -> (337, 112).
    EXPECT_EQ(positionOf(a), QPoint(122, 104));
    EXPECT_EQ(positionOf(b), QPoint(317, 104));
    EXPECT_EQ(positionOf(c), QPoint(500, 300)) << "unselected elements stay off the grid";
    EXPECT_EQ(doc.view.CurrentNode, -1);
    EXPECT_EQ(host.scrollBarUpdates, 1);
    EXPECT_EQ(host.cursor, ChartCursor::HandFlat);
    EXPECT_EQ(host.screenCursor, std::nullopt);
}

TEST_F(ChartMouseTest, PressSelectsWithCtrlAndClearsOnEmptySpaceWithoutIt) {
    struct Case {
        const char *what;
        bool onElement;
        bool ctrl;
        bool pressedSelectedBefore;
        bool pressedSelectedAfter;
        bool otherSelectedAfter;
        std::optional<bool> delSelectedVisible;
    } cases[] = {
        {"plain press on an element", true, false, false, false, true, std::nullopt},
        {"Ctrl press selects", true, true, false, true, true, true},
        {"Ctrl press deselects", true, true, true, false, true, std::nullopt},
        {"Ctrl press on empty space", false, true, true, true, true, std::nullopt},
        {"plain press on empty space", false, false, true, false, false, false},
    };
    for (const Case &c : cases) {
        Document d;
        DocumentSession s{d};
        RecordingHost h{d, s};
        ChartMouse m{s, h, h};
        const int pressed = d.NodeTable[addBox(d, 100, 100)].id;
        addBox(d, 300, 100);
        d.NodeTable.setSelected(0, c.pressedSelectedBefore);
        d.NodeTable.setSelected(1, true);
        m.press(leftPress(c.onElement ? 110 : 700, 105, false, c.ctrl));
        const int pressedIndex = d.NodeTable[0].id == pressed ? 0 : 1;
        EXPECT_EQ(d.NodeTable.selected(pressedIndex), c.pressedSelectedAfter) << c.what;
        EXPECT_EQ(d.NodeTable.selected(1 - pressedIndex), c.otherSelectedAfter) << c.what;
        EXPECT_EQ(h.delSelectedVisible, c.delSelectedVisible) << c.what;
        EXPECT_EQ(d.view.CurrentNode, c.onElement ? 1 : -1) << c.what;
    }
}

TEST_F(ChartMouseTest, ACtrlDeselectedElementIsStillDraggedAsThePressedOne) {
    const int a = doc.NodeTable[addBox(doc, 100, 100)].id;
    doc.NodeTable.setSelected(0, true);
    mouse.press(leftPress(110, 105, false, true));
    EXPECT_FALSE(selectedId(a));
    mouse.move(leftDrag(120, 105));
    EXPECT_EQ(positionOf(a), QPoint(110, 100));
}

TEST_F(ChartMouseTest, ADragStepMovesAtLeastOneChartUnit) {
    struct Case {
        float scale;
        int step;
        int moved;
    } cases[] = {{1.0f, 3, 3}, {2.0f, 1, 1}, {2.0f, 3, 1}, {0.5f, 1, 2}, {2.0f, 0, 0}};
    for (const Case &c : cases) {
        Document d;
        DocumentSession s{d};
        RecordingHost h{d, s};
        ChartMouse m{s, h, h};
        d.settings.scale = c.scale;
        addBox(d, 100, 100);
        const int x = ToScreen(110, c.scale);
        const int y = ToScreen(105, c.scale);
        m.press(leftPress(x, y));
        ASSERT_EQ(d.view.CurrentNode, 0) << "scale " << c.scale;
        m.move(leftDrag(x + c.step, y));
        EXPECT_EQ(d.NodeTable[0].x, 100 + c.moved) << "scale " << c.scale << " step " << c.step;
    }
}

TEST_F(ChartMouseTest, RubberBandSelectsWhatLiesWhollyInsideAndOnlyWhenDraggedDownRight) {
    struct Case {
        QPoint from;
        QPoint to;
        bool selected;
    } cases[] = {
        // The box (100, 100) 40 x 16 counts with its frame: 100 .. 142 by 100 .. 118.
        {{90, 90}, {150, 130}, true}, {{150, 130}, {90, 90}, false},  {{90, 90}, {142, 130}, false},
        {{90, 90}, {143, 130}, true}, {{100, 90}, {150, 130}, false}, {{90, 90}, {150, 118}, false},
    };
    for (const Case &c : cases) {
        Document d;
        DocumentSession s{d};
        RecordingHost h{d, s};
        ChartMouse m{s, h, h};
        addBox(d, 100, 100);
        addEvent(d, 500);
        m.press(leftPress(c.from.x(), c.from.y(), true));
        EXPECT_TRUE(m.RubberBandActive());
        EXPECT_EQ(h.screenCursor, ChartCursor::Cross);
        m.move(leftDrag(c.to.x(), c.to.y(), true));
        EXPECT_EQ(m.rubberBand().x2, c.to.x());
        m.release(leftRelease(c.to.x(), c.to.y(), true));
        EXPECT_FALSE(m.RubberBandActive());
        EXPECT_EQ(d.NodeTable.selected(0), c.selected)
            << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
        EXPECT_FALSE(d.NodeTable.selected(1));
        EXPECT_EQ(h.delSelectedVisible, c.selected ? std::optional<bool>(true) : std::nullopt);
        EXPECT_EQ(h.cursor, ChartCursor::Cross) << "Shift is still held";
    }
}

TEST_F(ChartMouseTest, RubberBandScrollsOneStepAtTheEdgesAndKeepsItsStartOnTheChart) {
    mouse.press(leftPress(400, 300, true));
    struct Step {
        QPoint pointer;
        QPoint origin;
        QPoint start;
        bool painted;
    } steps[] = {
        {{798, 300}, {-5, 0}, {395, 300}, true},  {{2, 300}, {0, 0}, {400, 300}, true},
        {{798, 598}, {-5, 0}, {395, 300}, true},  {{400, 598}, {-5, -5}, {395, 295}, true},
        {{400, 2}, {-5, 0}, {395, 300}, true},    {{400, 300}, {-5, 0}, {395, 300}, false},
        {{795, 595}, {-5, 0}, {395, 300}, false},
    };
    for (const Step &s : steps) {
        const int paints = host.paints;
        host.pending = false;
        mouse.move(leftDrag(s.pointer.x(), s.pointer.y(), true));
        const QPoint where(s.pointer);
        EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), s.origin)
            << where.x() << "," << where.y();
        EXPECT_EQ(QPoint(mouse.rubberBand().x1, mouse.rubberBand().y1), s.start);
        EXPECT_EQ(host.paints > paints, s.painted);
        EXPECT_EQ(host.pending, !s.painted) << "without a scroll step a redraw is requested";
    }
}

TEST_F(ChartMouseTest, ReleasingShiftDuringTheBandPansFromTheLastPressAndTheBandStillCounts) {
    addBox(doc, 100, 100);
    mouse.press(leftPress(20, 30));
    mouse.release(leftRelease(20, 30));
    mouse.press(leftPress(90, 90, true));
    mouse.move(leftDrag(150, 130, true));
    mouse.move(leftDrag(160, 140));
    EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), QPoint(140, 110));
    mouse.release(leftRelease(160, 140));
    // The band was last stretched to (150, 130) before the view moved.
    EXPECT_FALSE(doc.NodeTable.selected(0));
    EXPECT_FALSE(mouse.RubberBandActive());
}

TEST_F(ChartMouseTest, PanningMovesTheViewUntilRelease) {
    addBox(doc, 100, 100);
    // Before any press on the chart there is nothing to pan from.
    mouse.move(leftDrag(70, 40));
    EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), QPoint(0, 0));

    mouse.press(leftPress(50, 50));
    EXPECT_EQ(doc.view.CurrentNode, -1);
    EXPECT_FALSE(doc.DocumentModified);
    mouse.move(leftDrag(70, 40));
    mouse.move(leftDrag(90, 45));
    EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), QPoint(40, -5));
    EXPECT_EQ(host.bars.ScrollBarH.Position(), 0) << "the range is not widened while panning";
    EXPECT_EQ(host.scrollBarSyncs, 2);
    EXPECT_EQ(QPoint(doc.NodeTable[0].x, doc.NodeTable[0].y), QPoint(100, 100));
    EXPECT_FALSE(doc.DocumentModified);
    mouse.release(leftRelease(90, 45));
    EXPECT_EQ(host.bars.ScrollBarV.Position(), 5);
}

TEST_F(ChartMouseTest, RightPressKeepsTheElementCurrentForTheParentKeys) {
    const int child = doc.NodeTable[addBox(doc, 100, 100)].id;
    const int near = doc.NodeTable[addBox(doc, 160, 100)].id;
    addBox(doc, 400, 400);
    ScriptedPrompts prompts;
    ElementCommands commands(session, host, prompts);
    ChartKeyboard keys(session, host, commands);
    PopupMenuItems shown;
    host.onContextMenu = [&] { shown = PopupMenu1Popup(doc); };

    mouse.press(rightPress(110, 105));
    EXPECT_EQ(host.contextMenus, 1);
    EXPECT_TRUE(shown.NModify && shown.NDel);
    EXPECT_FALSE(shown.NAdd || shown.Naddhistorical || shown.Nselect);
    EXPECT_EQ(indexOfId(child), 2);
    EXPECT_EQ(doc.view.CurrentNode, 2);
    EXPECT_EQ(host.screenCursor, std::nullopt);

    keys.FormKeyPress(QChar(u'F'));
    EXPECT_EQ(byId(child).fatherIndex, indexOfId(near));
    keys.FormKeyPress(QChar(u'ь'));
    EXPECT_EQ(byId(child).motherIndex, indexOfId(near));

    // The next release on the chart ends it.
    mouse.release(leftRelease(300, 300));
    EXPECT_EQ(doc.view.CurrentNode, -1);
    doc.NodeTable[2].fatherIndex = -1;
    keys.FormKeyPress(QChar(u'f'));
    EXPECT_EQ(byId(child).fatherIndex, -1);
}

TEST_F(ChartMouseTest, RightPressOnEmptyChartOffersTheAddAndSelectItems) {
    addBox(doc, 100, 100);
    PopupMenuItems shown;
    host.onContextMenu = [&] { shown = PopupMenu1Popup(doc); };
    mouse.press(rightPress(600, 500));
    EXPECT_TRUE(shown.NAdd && shown.Naddhistorical && shown.Nselect);
    EXPECT_FALSE(shown.NModify || shown.NDel);
    EXPECT_EQ(QPoint(doc.view.LastMouseX, doc.view.LastMouseY), QPoint(600, 500));
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(ChartMouseTest, DoubleClickOpensTheEditorWithoutReordering) {
    addBox(doc, 100, 100);
    addBox(doc, 300, 100);
    mouse.press(doubleClick(110, 105));
    EXPECT_EQ(host.edited, std::vector<int>{0});
    EXPECT_EQ(doc.NodeTable[0].x, 100) << "element 0 stays first";
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(QPoint(doc.view.LastMouseX, doc.view.LastMouseY), QPoint(110, 105));

    mouse.press(doubleClick(700, 500));
    EXPECT_EQ(host.edited, std::vector<int>{0});
    EXPECT_EQ(doc.view.CurrentNode, -1);
}

TEST_F(ChartMouseTest, EveryPressHidesTheHintTheSearchBarAndTakesTheFocus) {
    host.hintTimerOn = true;
    mouse.press({10, 10, MouseButton::Other, false, false, false, false});
    EXPECT_FALSE(host.hintTimerOn);
    EXPECT_EQ(host.hintCalls, QStringList{"hide text"});
    EXPECT_FALSE(host.searchBarVisible);
    EXPECT_TRUE(host.focused);
    EXPECT_EQ(host.screenCursor, ChartCursor::HandGrabs);
}

TEST_F(ChartMouseTest, HoverRequestsAHintOnlyWhenTheDescriptionChanges) {
    doc.CurrentFileName = "/charts/family.kvr";
    const int first = addBox(doc, 100, 100);
    const int twin = addBox(doc, 200, 100);
    const int pictured = addBox(doc, 300, 100);
    const int plain = addBox(doc, 400, 100);
    doc.NodeTable[first].description = "<B>same</B>";
    doc.NodeTable[twin].description = "<B>same</B>";
    doc.NodeTable[pictured].media = {"notes.doc", "photos\\grandad.JPG", "b.gif"};

    mouse.move(hover(110, 105));
    EXPECT_EQ(mouse.hover().HintText, "<B>same</B>");
    EXPECT_EQ(mouse.hover().HintNode, first);
    EXPECT_EQ(mouse.hover().HintAnchor, QPoint(110, 105));
    EXPECT_TRUE(host.hintTimerOn);
    EXPECT_EQ(host.hintCalls, (QStringList{"hide text", "prepare", "comment "}));
    EXPECT_EQ(host.cursor, ChartCursor::HandPoint);

    host.hintCalls.clear();
    mouse.move(hover(210, 105));
    EXPECT_EQ(mouse.hover().HintNode, first) << "an equal description is the same hint";
    EXPECT_EQ(host.hintTimerStarts, 1);
    EXPECT_TRUE(host.hintCalls.isEmpty());

    mouse.move(hover(310, 105));
    EXPECT_EQ(mouse.hover().HintNode, pictured);
    EXPECT_EQ(mouse.hover().HintText, "");
    EXPECT_EQ(mouse.hover().HintPicturePath, "/charts/photos/grandad.JPG");
    EXPECT_TRUE(host.hintCalls.contains("comment /charts/photos/grandad.JPG"));

    mouse.move(hover(600, 400, true));
    EXPECT_EQ(mouse.hover().HintText, HoverState::kNoInformation);
    EXPECT_EQ(mouse.hover().HintNode, -1);
    EXPECT_TRUE(mouse.hover().HintPicturePath.isEmpty());
    EXPECT_FALSE(host.hintTimerOn);
    EXPECT_EQ(host.hintCalls.last(), "hide both");
    EXPECT_EQ(host.cursor, ChartCursor::Cross);

    // No description and no picture: nothing to hint.
    host.hintCalls.clear();
    mouse.move(hover(410, 105));
    EXPECT_EQ(mouse.hover().HintNode, plain);
    EXPECT_FALSE(host.hintTimerOn);
    EXPECT_EQ(host.hintCalls, QStringList{"hide text"});
}

TEST_F(ChartMouseTest, GuidesFollowThePointerAndMovesWaitWhileProgressShows) {
    addBox(doc, 100, 100);
    mouse.move(hover(600, 400));
    EXPECT_FALSE(host.takeRedrawRequest());
    doc.settings.showGuides = true;
    mouse.move(hover(610, 400));
    EXPECT_TRUE(host.takeRedrawRequest());

    mouse.press(leftPress(110, 105));
    host.progress = true;
    mouse.move(leftDrag(150, 150));
    EXPECT_EQ(doc.NodeTable[0].x, 100);
}

TEST_F(ChartMouseTest, ReleasingAnotherButtonWhileTheLeftIsHeldKeepsTheDrag) {
    addBox(doc, 100, 100);
    mouse.press(leftPress(110, 105));
    mouse.release({110, 105, MouseButton::Right, true, false, false, false});
    EXPECT_EQ(doc.view.CurrentNode, 0);
    mouse.move(leftDrag(120, 105));
    EXPECT_EQ(doc.NodeTable[0].x, 110);
}

TEST_F(ChartMouseTest, APressAndReleaseThatSnapsToTheGridIsASavedChangeAndOneUndoStep) {
    addBox(doc, 103, 107);
    addBox(doc, 301, 98);
    doc.settings.alignToGrid = true;
    session.markSaved();
    const QPoint before(doc.NodeTable[0].x, doc.NodeTable[0].y);
    mouse.press(leftPress(110, 110));
    mouse.release(leftRelease(110, 110));
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_NE(QPoint(doc.NodeTable[1].x, doc.NodeTable[1].y), before) << "snapped";
    EXPECT_EQ(session.undoStack().count(), 1);
    session.undoStack().undo();
    EXPECT_EQ(QPoint(doc.NodeTable[0].x, doc.NodeTable[0].y), before);
    EXPECT_FALSE(doc.DocumentModified);
}
