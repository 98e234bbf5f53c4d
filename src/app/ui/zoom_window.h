#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QSlider;

namespace kinvarro {

class ChartZoom;
class MessageTable;

/// `Tfmash`, "Масштаб": a track bar from 1 % to 200 % that zooms the chart
/// about the centre of the view. It does not block the main window.
class Tfmash : public QWidget {
    Q_OBJECT
  public:
    /// `Nmashtab` is the menu item whose caption shows the scale.
    Tfmash(ChartZoom &zoom, const MessageTable &messages, QAction *Nmashtab, QWidget *parent);

    /// `NmashtabClick`: shows the window set to the current scale.
    void open();
    /// Shows the current scale after a zoom from elsewhere, without zooming again.
    void showScale();

    QSlider *TrackBar1 = nullptr;
    QLabel *Lmash = nullptr;

  protected:
    /// Escape closes the window, as it closes the program's other small windows.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void TrackBar1Change(int position);

    ChartZoom &zoom_;
    const MessageTable &messages_;
    QAction *Nmashtab_;
};

}  // namespace kinvarro
