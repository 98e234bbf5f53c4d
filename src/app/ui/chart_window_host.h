#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "interaction/chart_host.h"
#include "interaction/hover_state.h"

class QPushButton;

namespace kinvarro {

class TForm1;

/// The main window as the chart's interaction sees it: cursors, repaints,
/// scroll bars, the context menu, the search bar, the focus sink, the
/// element editor and the hint timer.
class ChartWindowHost : public QObject, public ChartHost, public HintHooks {
    Q_OBJECT
  public:
    /// Opens the editor of element `index`; `justAdded` for a new element.
    /// Returns whether the user applied.
    using ElementEditor = std::function<bool(int index, bool justAdded)>;

    static constexpr int kHintDelayMs = 1000;

    ChartWindowHost(TForm1 &form, QPushButton &focusSink);
    ~ChartWindowHost() override;

    /// Without an editor an added element is kept as created, so that adding
    /// works before the editors exist.
    void setElementEditor(ElementEditor editor) { editor_ = std::move(editor); }
    const QTimer &TimerHint() const { return hintTimer_; }
    /// The hint windows the window operations go to; none until they exist.
    void setHintWindows(HintHooks *windows) { hintWindows_ = windows; }

    QSize chartAreaSize() const override;
    ChartCursor chartCursor() const override { return chartCursor_; }
    void setChartCursor(ChartCursor cursor) override;
    void setScreenCursor(std::optional<ChartCursor> cursor) override;
    void RequestRedraw() override;
    bool redrawPending() const override;
    void PaintScene() override;
    ScrollBars &scrollBars() override;
    void UpdateScrollBars() override;
    void SyncScrollBarPositions() override;
    void setDelSelectedVisible(bool visible) override;
    void openContextMenu() override;
    bool NModifyClick(bool justAdded) override;
    void hideSearchBar() override;
    void focusMainWindow() override;
    bool progressShown() const override;

    void startHintTimer() override;
    void stopHintTimer() override;
    void hideTextHint() override;
    void hideHints() override;
    void PrepareHintWindows() override;
    void LoadPictureComment(const QString &path) override;

  signals:
    /// `TimerHint` ran out: the hover hint is due for the current hover state.
    void hintDue();

  private:
    QCursor cursorFor(ChartCursor cursor) const;

    TForm1 &form_;
    QPushButton &focusSink_;
    ElementEditor editor_;
    ChartCursor chartCursor_ = ChartCursor::HandFlat;
    bool screenCursorSet_ = false;
    QTimer hintTimer_;
    HintHooks *hintWindows_ = nullptr;
};

}  // namespace kinvarro
