#pragma once

#include <QColor>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

namespace kinvarro::test {

/// What a paint engine was asked to draw, in the painter's coordinates.
struct RecordedLine {
    QLineF line;
    QColor color;
    double width = 0;
};
struct RecordedRect {
    QRectF rect;
    QColor pen;  ///< invalid without an outline
    double penWidth = 0;
    QColor fill;  ///< invalid without a fill
};
struct RecordedText {
    QPointF baseline;
    QString text;
};
struct Recording {
    std::vector<RecordedLine> lines;
    std::vector<RecordedRect> rects;
    std::vector<RecordedText> texts;
};

/// A paint device that draws nothing and keeps the shapes it is given.
class RecordingDevice final : public QPaintDevice {
  public:
    explicit RecordingDevice(QSize size);
    ~RecordingDevice() override;
    QPaintEngine *paintEngine() const override;
    const Recording &recording() const { return recording_; }

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSize size_;
    Recording recording_;
    std::unique_ptr<QPaintEngine> engine_;
};

}  // namespace kinvarro::test
