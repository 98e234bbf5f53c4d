#pragma once

#include <QWidget>

namespace kinvarro {

class ChartCanvas;

/// The chart area of the main window (`Panel1`): shows `ChartCanvas` and
/// reports its size; it never paints the chart itself.
class ChartArea : public QWidget {
    Q_OBJECT
  public:
    ChartArea(ChartCanvas &canvas, QWidget *parent = nullptr);

  signals:
    void resized(QSize size);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    ChartCanvas &canvas_;
};

}  // namespace kinvarro
