#pragma once

#include <vector>

#include "interaction/chart_host.h"
#include "interaction/hover_state.h"
#include "render/scene.h"

namespace kinvarro {

class Document;
class DocumentSession;

enum class MouseButton { Left, Right, Other };

/// One mouse event on the chart area.
struct ChartMouseEvent {
    int X = 0;  ///< chart-area pixels
    int Y = 0;
    /// The button pressed or released; unused for moves.
    MouseButton button = MouseButton::Left;
    /// Whether the left button is down once the event has happened.
    bool leftHeld = false;
    bool shift = false;
    bool ctrl = false;
    bool doubleClick = false;
};

/// The chart's mouse handling: selects, brings the pressed element to the
/// front, drags it with the selection, pans, draws the Shift rubber band,
/// snaps to the grid on release, opens the editor and the context menu, and
/// keeps the hover state for the hints. Its state is the document's
/// `CurrentNode` and `LastMouseX`/`LastMouseY` together with the rubber band.
class ChartMouse {
  public:
    ChartMouse(DocumentSession &session, ChartHost &host, HintHooks &hints);

    void press(const ChartMouseEvent &event);
    void move(const ChartMouseEvent &event);
    void release(const ChartMouseEvent &event);

    bool RubberBandActive() const { return rubberBandActive_; }
    const RubberBand &rubberBand() const { return rubberBand_; }
    /// The band for the scene.
    SceneInputs sceneInputs() const;
    HoverState &hover() { return hover_; }
    const HoverState &hover() const { return hover_; }

  private:
    void pressLeft(const ChartMouseEvent &event);
    void pressRight(const ChartMouseEvent &event);
    void stretchRubberBand(const ChartMouseEvent &event);
    void pan(const ChartMouseEvent &event);
    void drag(const ChartMouseEvent &event);
    void hoverOver(const ChartMouseEvent &event);
    void selectInsideRubberBand();
    std::vector<int> movedElements() const;

    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    HintHooks &hints_;
    HoverState hover_;
    bool rubberBandActive_ = false;
    RubberBand rubberBand_;
};

}  // namespace kinvarro
