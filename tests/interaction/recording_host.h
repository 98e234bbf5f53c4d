#pragma once

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "interaction/hover_state.h"
#include "model/document.h"
#include "render/scroll_bars.h"

namespace kinvarro::test {

/// A chart window without widgets: it keeps the scroll bars with the real
/// rules and records what the interaction asked of it.
class RecordingHost : public ChartHost, public HintHooks {
  public:
    explicit RecordingHost(Document &doc) : doc_(doc) {}
    /// Also redraws on every change of `session`, as the main window does.
    RecordingHost(Document &doc, DocumentSession &session) : doc_(doc) {
        QObject::connect(&session, &DocumentSession::changed, [this] { RequestRedraw(); });
    }

    QSize area{800, 600};
    ScrollBars bars;
    ChartCursor cursor = ChartCursor::HandFlat;
    std::optional<ChartCursor> screenCursor;
    bool redrawRequested = false;  ///< a redraw was requested since the last check
    bool pending = false;
    int paints = 0;
    int scrollBarUpdates = 0;
    int scrollBarSyncs = 0;
    std::optional<bool> delSelectedVisible;  ///< unset while nobody touched the item
    bool searchBarVisible = true;
    bool focused = false;
    bool progress = false;
    /// Runs while the context menu is open, like a command chosen in it.
    std::function<void()> onContextMenu;
    int contextMenus = 0;
    /// The editor: gets `CurrentNode` and whether it was just added; returns "applied".
    std::function<bool(int, bool)> editor = [](int, bool) { return true; };
    std::vector<int> edited;

    bool hintTimerOn = false;
    int hintTimerStarts = 0;
    /// The hint operations in order: "prepare", "comment <path>", "hide text", "hide both".
    QStringList hintCalls;

    /// True once since the last call when a redraw was requested.
    bool takeRedrawRequest() { return std::exchange(redrawRequested, false); }

    QSize chartAreaSize() const override { return area; }
    ChartCursor chartCursor() const override { return cursor; }
    void setChartCursor(ChartCursor c) override { cursor = c; }
    void setScreenCursor(std::optional<ChartCursor> c) override { screenCursor = c; }
    void RequestRedraw() override { redrawRequested = pending = true; }
    bool redrawPending() const override { return pending; }
    void PaintScene() override {
        ++paints;
        pending = false;
    }
    ScrollBars &scrollBars() override { return bars; }
    void UpdateScrollBars() override {
        ++scrollBarUpdates;
        kinvarro::UpdateScrollBars(doc_, area, bars);
    }
    void SyncScrollBarPositions() override {
        ++scrollBarSyncs;
        kinvarro::SyncScrollBarPositions(doc_, bars);
    }
    void setDelSelectedVisible(bool visible) override { delSelectedVisible = visible; }
    void openContextMenu() override {
        ++contextMenus;
        if (onContextMenu)
            onContextMenu();
    }
    bool NModifyClick(bool justAdded) override {
        edited.push_back(doc_.view.CurrentNode);
        return editor(doc_.view.CurrentNode, justAdded);
    }
    void hideSearchBar() override { searchBarVisible = false; }
    void focusMainWindow() override { focused = true; }
    bool progressShown() const override { return progress; }

    void startHintTimer() override {
        if (!hintTimerOn)
            ++hintTimerStarts;
        hintTimerOn = true;
    }
    void stopHintTimer() override { hintTimerOn = false; }
    void hideTextHint() override { hintCalls << "hide text"; }
    void hideHints() override { hintCalls << "hide both"; }
    void PrepareHintWindows() override { hintCalls << "prepare"; }
    void LoadPictureComment(const QString &path) override { hintCalls << "comment " + path; }

  private:
    Document &doc_;
};

}  // namespace kinvarro::test
