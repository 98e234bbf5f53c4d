#include "recording_device.h"

#include <QPainterPath>
#include <QTextItem>

namespace kinvarro::test {
namespace {

class RecordingEngine final : public QPaintEngine {
  public:
    explicit RecordingEngine(Recording &recording)
        : QPaintEngine(QPaintEngine::AllFeatures), recording_(recording) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            brush_ = state.brush();
        if (state.state() & QPaintEngine::DirtyTransform)
            transform_ = state.transform();
    }
    void drawLines(const QLineF *lines, int count) override {
        for (int i = 0; i < count; ++i)
            recording_.lines.push_back({transform_.map(lines[i]), pen_.color(), pen_.widthF()});
    }
    void drawRects(const QRectF *rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const bool outlined = pen_.style() != Qt::NoPen;
            const bool filled = brush_.style() != Qt::NoBrush;
            recording_.rects.push_back({transform_.mapRect(rects[i]),
                                        outlined ? pen_.color() : QColor(), pen_.widthF(),
                                        filled ? brush_.color() : QColor()});
        }
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override {
        recording_.texts.push_back({transform_.map(p), item.text()});
    }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

  private:
    Recording &recording_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

}  // namespace

RecordingDevice::RecordingDevice(QSize size)
    : size_(size), engine_(std::make_unique<RecordingEngine>(recording_)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine *RecordingDevice::paintEngine() const {
    return engine_.get();
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
    }
}

}  // namespace kinvarro::test
