#include "interaction/chart_mouse.h"

#include "interaction/hit_test.h"
#include "interaction/saturating.h"
#include "model/document.h"
#include "render/view_geometry.h"
#include "render/view_mapping.h"

namespace kinvarro {
namespace {

// How far the view scrolls per move while the rubber band touches an edge,
// and how close to the edge that is.
constexpr int kAutoScrollStep = 5;

}  // namespace

ChartMouse::ChartMouse(Document &doc, ChartHost &host, HintHooks &hints)
    : doc_(doc), host_(host), hints_(hints) {}

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
        doc_.CurrentNode = -1;
        const int hit = HitTest(doc_, event.X, event.Y, EventBand::OneLine);
        if (hit != -1) {
            host_.setChartCursor(ChartCursor::HandPoint);
            doc_.CurrentNode = hit;
            host_.NModifyClick(false);
        }
        doc_.LastMouseX = event.X;
        doc_.LastMouseY = event.Y;
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
    doc_.CurrentNode = -1;
    const int hit = HitTest(doc_, event.X, event.Y, EventBand::OneLine);
    if (hit != -1) {
        host_.setChartCursor(ChartCursor::HandPoint);
        doc_.CurrentNode = hit;
        doc_.MoveNodeToEnd(hit);
        if (event.ctrl) {
            const int pressed = doc_.CurrentNode;
            const bool nowSelected = !doc_.NodeTable.selected(pressed);
            doc_.NodeTable.setSelected(pressed, nowSelected);
            // Historical events count too: a selected one is deleted with the rest.
            if (nowSelected)
                host_.setDelSelectedVisible(true);
        }
    } else if (!event.ctrl) {
        doc_.NodeTable.clearSelection();
        host_.setDelSelectedVisible(false);
    }
    doc_.LastMouseX = event.X;
    doc_.LastMouseY = event.Y;
    host_.RequestRedraw();
    host_.setScreenCursor(ChartCursor::HandGrabs);
}

void ChartMouse::pressRight(const ChartMouseEvent &event) {
    doc_.CurrentNode = -1;
    const int hit = HitTest(doc_, event.X, event.Y, EventBand::StoredHeight);
    if (hit != -1) {
        host_.setChartCursor(ChartCursor::HandPoint);
        doc_.MoveNodeToEnd(hit);
        doc_.CurrentNode = doc_.NodeTable.NodeCount() - 1;
    }
    doc_.LastMouseX = event.X;
    doc_.LastMouseY = event.Y;
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
        if (doc_.CurrentNode == -1) {
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
        doc_.ViewOriginX = SaturatingAdd(doc_.ViewOriginX, dx);
        doc_.ViewOriginY = SaturatingAdd(doc_.ViewOriginY, dy);
        rubberBand_.x1 += dx;
        rubberBand_.y1 += dy;
        host_.UpdateScrollBars();
        host_.PaintScene();
    } else if (!host_.redrawPending()) {
        host_.RequestRedraw();
    }
}

void ChartMouse::pan(const ChartMouseEvent &event) {
    if (doc_.LastMouseX == -1 && doc_.LastMouseY == -1)
        return;
    doc_.ViewOriginX = SaturatingAdd(doc_.ViewOriginX, std::int64_t(event.X) - doc_.LastMouseX);
    doc_.ViewOriginY = SaturatingAdd(doc_.ViewOriginY, std::int64_t(event.Y) - doc_.LastMouseY);
    doc_.LastMouseX = event.X;
    doc_.LastMouseY = event.Y;
    host_.SyncScrollBarPositions();
    host_.RequestRedraw();
}

void ChartMouse::drag(const ChartMouseEvent &event) {
    doc_.MarkModified();
    const float scale = doc_.settings.scale;
    const std::int32_t dx = ToChart(SaturatingAdd(event.X, -std::int64_t(doc_.LastMouseX)), scale);
    const std::int32_t dy = ToChart(SaturatingAdd(event.Y, -std::int64_t(doc_.LastMouseY)), scale);
    auto shift = [&](int i) {
        tnode &node = doc_.NodeTable[i];
        node.x = SaturatingAdd(node.x, dx);
        node.y = SaturatingAdd(node.y, dy);
    };
    shift(doc_.CurrentNode);
    for (int i : doc_.NodeTable.selectedIndexes()) {
        if (i != doc_.CurrentNode)
            shift(i);
    }
    doc_.LastMouseX = event.X;
    doc_.LastMouseY = event.Y;
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
        snapMovedElements();
    doc_.CurrentNode = -1;
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

// Elements lying wholly inside the band, frames included; a band dragged up
// or to the left has x2 < x1 or y2 < y1 and takes nothing.
void ChartMouse::selectInsideRubberBand() {
    const ViewMapping map(doc_);
    const RubberBand &band = rubberBand_;
    ElementTable &table = doc_.NodeTable;
    bool any = false;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (map.x(node.x) > band.x1 && map.x(Coord(node.x) + extent.width + 2) < band.x2 &&
            map.y(node.y) > band.y1 && map.y(Coord(node.y) + extent.height + 2) < band.y2) {
            table.setSelected(i, true);
            any = true;
        }
    }
    if (any)
        host_.setDelSelectedVisible(true);
}

void ChartMouse::snapMovedElements() {
    const int pressed = doc_.CurrentNode;
    if (pressed != -1)
        AlignToGrid(doc_, pressed);
    for (int i : doc_.NodeTable.selectedIndexes()) {
        if (i != pressed)
            AlignToGrid(doc_, i);
    }
}

}  // namespace kinvarro
