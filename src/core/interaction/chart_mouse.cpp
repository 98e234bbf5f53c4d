#include "interaction/chart_mouse.h"

#include "common/saturating.h"
#include "edit/document_session.h"
#include "interaction/hit_test.h"
#include "model/document.h"
#include "model/grid_snap.h"
#include "render/view_geometry.h"
#include "render/view_mapping.h"

namespace kinvarro {
namespace {

// How far the view scrolls per move while the rubber band touches an edge,
// and how close to the edge that is.
constexpr int kAutoScrollStep = 5;

}  // namespace

ChartMouse::ChartMouse(DocumentSession &session, ChartHost &host, HintHooks &hints)
    : session_(session), doc_(session.doc()), host_(host), hints_(hints) {}

SceneInputs ChartMouse::sceneInputs() const {
    SceneInputs inputs;
    inputs.RubberBandActive = rubberBandActive_;
    inputs.rubberBand = rubberBand_;
    return inputs;
}

void ChartMouse::press(const ChartMouseEvent &event) {
    hints_.stopHintTimer();
    hints_.hideTextHint();
    host_.setChartCursor(ChartCursor::HandGrabs);
    host_.hideSearchBar();
    host_.focusMainWindow();

    if (event.doubleClick) {
        session_.view().CurrentNode = -1;
        const int hit = HitTest(doc_, event.X, event.Y, EventBand::OneLine);
        if (hit != -1) {
            host_.setChartCursor(ChartCursor::HandPoint);
            session_.view().CurrentNode = hit;
            host_.NModifyClick(false);
        }
        session_.view().LastMouseX = event.X;
        session_.view().LastMouseY = event.Y;
    } else if (event.button == MouseButton::Left && event.shift) {
        rubberBandActive_ = true;
        rubberBand_ = {event.X, event.Y, event.X, event.Y};
        host_.setScreenCursor(ChartCursor::Cross);
        if (!host_.redrawPending())
            host_.RequestRedraw();
    } else if (event.button == MouseButton::Left) {
        pressLeft(event);
    } else if (event.button == MouseButton::Right) {
        pressRight(event);
    } else {
        host_.setScreenCursor(ChartCursor::HandGrabs);
    }
}

void ChartMouse::pressLeft(const ChartMouseEvent &event) {
    session_.view().CurrentNode = -1;
    const int hit = HitTest(doc_, event.X, event.Y, EventBand::OneLine);
    if (hit != -1) {
        host_.setChartCursor(ChartCursor::HandPoint);
        session_.view().CurrentNode = hit;
        // Bringing to front, dragging and snapping are one step of the history.
        session_.beginGesture(doc_.messages().text(Msg::mActMove));
        session_.bringToFront(hit);
        if (event.ctrl) {
            const int pressed = session_.view().CurrentNode;
            const bool nowSelected = !doc_.NodeTable.selected(pressed);
            session_.setSelected(pressed, nowSelected);
            // Historical events count too: a selected one is deleted with the rest.
            if (nowSelected)
                host_.setDelSelectedVisible(true);
        }
    } else if (!event.ctrl) {
        session_.clearSelection();
        host_.setDelSelectedVisible(false);
    }
    session_.view().LastMouseX = event.X;
    session_.view().LastMouseY = event.Y;
    host_.RequestRedraw();
    host_.setScreenCursor(ChartCursor::HandGrabs);
}

void ChartMouse::pressRight(const ChartMouseEvent &event) {
    session_.view().CurrentNode = -1;
    const int hit = HitTest(doc_, event.X, event.Y, EventBand::StoredHeight);
    if (hit != -1) {
        host_.setChartCursor(ChartCursor::HandPoint);
        session_.bringToFront(hit);
        session_.view().CurrentNode = doc_.NodeTable.NodeCount() - 1;
    }
    session_.view().LastMouseX = event.X;
    session_.view().LastMouseY = event.Y;
    host_.RequestRedraw();
    host_.openContextMenu();
    // The menu took the release that would have reset the screen cursor.
    host_.setScreenCursor(std::nullopt);
}

void ChartMouse::move(const ChartMouseEvent &event) {
    if (host_.progressShown())
        return;
    if (event.leftHeld && event.shift && rubberBandActive_) {
        stretchRubberBand(event);
    } else if (event.leftHeld) {
        if (session_.view().CurrentNode == -1) {
            pan(event);
        } else {
            drag(event);
        }
    } else {
        hoverOver(event);
    }
}

void ChartMouse::stretchRubberBand(const ChartMouseEvent &event) {
    rubberBand_.x2 = event.X;
    rubberBand_.y2 = event.Y;
    const QSize area = host_.chartAreaSize();
    // One step per move; the start corner moves with the chart.
    int dx = 0;
    int dy = 0;
    if (event.X > area.width() - kAutoScrollStep) {
        dx = -kAutoScrollStep;
    } else if (event.X < kAutoScrollStep) {
        dx = kAutoScrollStep;
    } else if (event.Y > area.height() - kAutoScrollStep) {
        dy = -kAutoScrollStep;
    } else if (event.Y < kAutoScrollStep) {
        dy = kAutoScrollStep;
    }
    if (dx != 0 || dy != 0) {
        session_.view().ViewOriginX = SaturatingAdd(session_.view().ViewOriginX, dx);
        session_.view().ViewOriginY = SaturatingAdd(session_.view().ViewOriginY, dy);
        rubberBand_.x1 += dx;
        rubberBand_.y1 += dy;
        host_.UpdateScrollBars();
        host_.PaintScene();
    } else if (!host_.redrawPending()) {
        host_.RequestRedraw();
    }
}

void ChartMouse::pan(const ChartMouseEvent &event) {
    if (session_.view().LastMouseX == -1 && session_.view().LastMouseY == -1)
        return;
    session_.view().ViewOriginX = SaturatingAdd(session_.view().ViewOriginX,
                                                std::int64_t(event.X) - session_.view().LastMouseX);
    session_.view().ViewOriginY = SaturatingAdd(session_.view().ViewOriginY,
                                                std::int64_t(event.Y) - session_.view().LastMouseY);
    session_.view().LastMouseX = event.X;
    session_.view().LastMouseY = event.Y;
    host_.SyncScrollBarPositions();
    host_.RequestRedraw();
}

void ChartMouse::drag(const ChartMouseEvent &event) {
    const float scale = doc_.settings.scale;
    const ChartViewState &view = doc_.view;
    const std::int32_t dx = ToChart(SaturatingAdd(event.X, -std::int64_t(view.LastMouseX)), scale);
    const std::int32_t dy = ToChart(SaturatingAdd(event.Y, -std::int64_t(view.LastMouseY)), scale);
    session_.moveElementsBy(movedElements(), dx, dy);
    session_.view().LastMouseX = event.X;
    session_.view().LastMouseY = event.Y;
    host_.RequestRedraw();
}

void ChartMouse::hoverOver(const ChartMouseEvent &event) {
    const int hit = HitTest(doc_, event.X, event.Y, EventBand::OneLine);
    if (hit != -1) {
        host_.setChartCursor(ChartCursor::HandPoint);
        const tnode &node = doc_.NodeTable[hit];
        // Equal descriptions count as the same hint, so the timer runs on.
        if (node.description != hover_.HintText) {
            hover_.HintText = node.description;
            hover_.HintNode = hit;
            hover_.HintPicturePath.clear();
            hints_.hideTextHint();
            hover_.HintPicturePath = HintPicturePathFor(doc_, hit);
            if (!hover_.HintText.empty() || !hover_.HintPicturePath.isEmpty()) {
                hints_.PrepareHintWindows();
                // Events load their picture's comment too, so that no earlier
                // person's comment is left in the picture hint.
                hints_.LoadPictureComment(hover_.HintPicturePath);
                hover_.HintAnchor = QPoint(event.X, event.Y);
                hints_.startHintTimer();
            }
        }
    } else {
        hover_.HintText = HoverState::kNoInformation;
        hover_.HintNode = -1;
        hints_.stopHintTimer();
        hover_.HintPicturePath.clear();
        hints_.hideHints();
        host_.setChartCursor(event.shift ? ChartCursor::Cross : ChartCursor::HandFlat);
    }
    if (doc_.settings.showGuides)
        host_.RequestRedraw();
}

void ChartMouse::release(const ChartMouseEvent &event) {
    host_.setScreenCursor(std::nullopt);
    host_.setChartCursor(event.shift ? ChartCursor::Cross : ChartCursor::HandFlat);
    if (event.leftHeld && event.shift)
        return;
    if (rubberBandActive_) {
        rubberBandActive_ = false;
        selectInsideRubberBand();
        host_.RequestRedraw();
        return;
    }
    if (event.leftHeld)
        return;
    if (doc_.settings.alignToGrid)
        session_.snapToGrid(movedElements());
    session_.endGesture();
    session_.view().CurrentNode = -1;
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

// Elements lying wholly inside the band, frames included; a band dragged up
// or to the left has x2 < x1 or y2 < y1 and takes nothing.
void ChartMouse::selectInsideRubberBand() {
    const ViewMapping map(doc_);
    const RubberBand &band = rubberBand_;
    const ElementTable &table = doc_.NodeTable;
    bool any = false;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (map.x(node.x) > band.x1 && map.x(Coord(node.x) + extent.width + 2) < band.x2 &&
            map.y(node.y) > band.y1 && map.y(Coord(node.y) + extent.height + 2) < band.y2) {
            session_.setSelected(i, true);
            any = true;
        }
    }
    if (any)
        host_.setDelSelectedVisible(true);
}

// The pressed element and the selection, each once.
std::vector<int> ChartMouse::movedElements() const {
    const int pressed = doc_.view.CurrentNode;
    std::vector<int> moved;
    if (pressed != -1)
        moved.push_back(pressed);
    for (int i : doc_.NodeTable.selectedIndexes()) {
        if (i != pressed)
            moved.push_back(i);
    }
    return moved;
}

}  // namespace kinvarro
