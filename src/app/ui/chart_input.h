#pragma once

#include <QObject>

#include "interaction/chart_keys.h"
#include "interaction/chart_mouse.h"
#include "interaction/chart_search.h"
#include "interaction/chart_zoom.h"
#include "interaction/element_commands.h"
#include "ui/chart_window_host.h"

class QPushButton;
class QWheelEvent;

namespace kinvarro {

class MessageTable;
class Prompts;
class Tfmash;
class TForm1;

/// Feeds the chart area's mouse, the focus sink's keys and the wheel to the
/// chart's interaction, and wires the commands of the context menu, the
/// selection, zoom and search menu items and the search bar.
class ChartInput : public QObject {
    Q_OBJECT
  public:
    ChartInput(TForm1 &form, Prompts &prompts, const MessageTable &messages);
    ~ChartInput() override;

    ChartMouse &mouse() { return mouse_; }
    ChartWindowHost &host() { return host_; }
    ChartSearch &search() { return search_; }
    /// `BitBtn1`: the invisible button that holds the keyboard focus for the chart.
    QPushButton &focusSink() { return *BitBtn1_; }
    /// `fmash`, the zoom window.
    Tfmash &zoomWindow() { return *zoomWindow_; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void wireMenus();
    void wireSearchBar();
    bool chartMouseEvent(QEvent *event);
    bool focusSinkKeyEvent(QEvent *event);
    /// The plain wheel scrolls down and up, Shift+wheel sideways, Ctrl+wheel zooms.
    void wheel(const QWheelEvent &event, QObject *watched);
    /// Brings the zoom caption and the zoom window up to the current scale.
    void showScale();
    /// True (after saying why) when the table must not change now.
    bool tableLocked();

    TForm1 &form_;
    Prompts &prompts_;
    const MessageTable &messages_;
    QPushButton *BitBtn1_;
    ChartWindowHost host_;
    ChartMouse mouse_;
    ElementCommands commands_;
    ChartKeyboard keyboard_;
    ChartSearch search_;
    ChartZoom zoom_;
    Tfmash *zoomWindow_;
};

}  // namespace kinvarro
