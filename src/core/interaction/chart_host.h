#pragma once

#include <QSize>
#include <optional>

namespace kinvarro {

struct ScrollBars;

/// The cursors the chart area shows.
enum class ChartCursor { Arrow, Cross, HandFlat, HandGrabs, HandPoint };

/// What the chart's mouse, keyboard, search and zoom handling needs of the
/// window around the chart area. The editor implements it with widgets,
/// tests with a recorder.
class ChartHost {
  public:
    virtual ~ChartHost() = default;

    /// Client size of the chart area in pixels.
    virtual QSize chartAreaSize() const = 0;

    virtual ChartCursor chartCursor() const = 0;
    virtual void setChartCursor(ChartCursor cursor) = 0;
    /// The screen-wide cursor that wins over every control's; nullopt resets it.
    virtual void setScreenCursor(std::optional<ChartCursor> cursor) = 0;

    virtual void RequestRedraw() = 0;
    /// True while a requested repaint waits for its delay.
    virtual bool redrawPending() const = 0;
    /// Paints the scene at once.
    virtual void PaintScene() = 0;

    virtual ScrollBars &scrollBars() = 0;
    virtual void UpdateScrollBars() = 0;
    virtual void SyncScrollBarPositions() = 0;

    /// Shows or hides the context-menu item that deletes the selection.
    virtual void setDelSelectedVisible(bool visible) = 0;
    /// Opens the chart's context menu at the pointer; returns once it has closed.
    virtual void openContextMenu() = 0;
    /// `NModifyClick`: opens the editor of `CurrentNode`; `justAdded` tells it
    /// the element was created by the command that opens it. Returns whether
    /// the user applied.
    virtual bool NModifyClick(bool justAdded) = 0;

    virtual void hideSearchBar() = 0;
    /// Gives the keyboard focus to the main window's focus sink.
    virtual void focusMainWindow() = 0;
    /// True while a long operation shows the progress window; the pointer is
    /// ignored then.
    virtual bool progressShown() const = 0;
};

}  // namespace kinvarro
