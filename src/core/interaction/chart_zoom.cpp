#include "interaction/chart_zoom.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/saturating.h"
#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "model/chart_units.h"
#include "model/document.h"

namespace kinvarro {
namespace {

constexpr float kSmallestScale = 0.01f;
constexpr int kLeastPercent = 1;
constexpr int kMostPercent = 200;
constexpr int kTick = 10;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
// Pixels left free on every side of a fitted chart.
constexpr int kFitMargin = 8;

// The chart-unit span [low, high) that elements cover along one axis.
struct Span {
    std::int64_t low = std::numeric_limits<std::int64_t>::max();
    std::int64_t high = std::numeric_limits<std::int64_t>::min();
    bool empty() const { return low > high; }
    void widen(std::int64_t from, std::int64_t to) {
        low = std::min(low, from);
        high = std::max(high, to);
    }
};

struct ChartBounds {
    Span x, y;
};

// Historical events span the whole width, so only persons set the horizontal span.
ChartBounds chartBounds(const Document &doc) {
    ChartBounds bounds;
    const ElementTable &table = doc.NodeTable;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        const NameExtent extent = table.nameExtent(i);
        if (node.isPerson())
            bounds.x.widen(node.x, std::int64_t(node.x) + extent.width);
        bounds.y.widen(node.y, std::int64_t(node.y) + extent.height);
    }
    return bounds;
}

std::int32_t clampedUnits(std::int64_t v) {
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// The pixels a span covers at `scale`, measured as the painters place its ends.
std::int64_t spanPixels(const Span &span, float scale) {
    return std::int64_t(ToScreen(clampedUnits(span.high), scale)) -
           ToScreen(clampedUnits(span.low), scale);
}

bool fits(const Span &span, int room, float scale) {
    return span.empty() || spanPixels(span, scale) <= room;
}

// The largest whole percent at which the span could fit in `room` pixels.
int percentFor(const Span &span, int room) {
    const std::int64_t units = span.high - span.low;
    if (span.empty() || units <= 0)
        return kMostPercent;
    const double percent = std::floor(double(room) * 100 / double(units));
    return int(std::clamp(percent, double(kLeastPercent), double(kMostPercent)));
}

// The origin that puts the span's middle at the middle of `length` pixels.
std::int32_t centredOrigin(const Span &span, int length, float scale) {
    const std::int64_t free = std::int64_t(length) - spanPixels(span, scale);
    return SaturatingAdd(0, free / 2 - ToScreen(clampedUnits(span.low), scale));
}

// The origin that keeps the chart point at `centre` pixels where it is when
// the scale changes by `ratio`: centre - (centre - origin) * ratio. The origin
// term truncates on its own and never loses a non-zero value, as ToScreen does.
std::int32_t zoomedOrigin(std::int32_t origin, int centre, double ratio) {
    double moved = std::trunc(double(origin) * ratio);
    if (moved == 0 && origin != 0)
        moved = origin > 0 ? 1 : -1;
    return SaturatingAdd(0, std::int64_t(std::trunc(double(centre) * (1.0 - ratio) + moved)));
}

}  // namespace

ZoomBase TakeZoomBase(const Document &doc) {
    return {doc.settings.scale, doc.view.ViewOriginX, doc.view.ViewOriginY};
}

int TrackBarPositionFor(float scale) {
    return int(std::nearbyint(double(scale) * 100));
}

void ApplyZoom(DocumentSession &session, const ZoomBase &base, int percent, QSize chartArea) {
    ZoomAround(session, base, percent, QPoint(chartArea.width() / 2, chartArea.height() / 2));
}

void ZoomAround(DocumentSession &session, const ZoomBase &base, int percent, QPoint pivot) {
    float scale = float(percent) / 100;
    if (scale <= 0)
        scale = kSmallestScale;
    session.setScale(scale);
    // A document may carry a scale of 0, from which no centre can be kept.
    const bool usableBase = base.scale > 0 && std::isfinite(base.scale);
    const double ratio = usableBase ? double(scale) / double(base.scale) : 1.0;
    session.view().ViewOriginX = zoomedOrigin(base.originX, pivot.x(), ratio);
    session.view().ViewOriginY = zoomedOrigin(base.originY, pivot.y(), ratio);
}

int NextZoomStep(float scale, bool in) {
    // The scale as the track bar shows it, so that a step always moves a tick.
    const int shown = std::clamp(TrackBarPositionFor(scale), 0, kMostPercent);
    const int next = in ? (shown / kTick + 1) * kTick : (shown - 1) / kTick * kTick;
    return std::clamp(next, kLeastPercent, kMostPercent);
}

int FitPercent(const Document &doc, QSize chartArea) {
    const ChartBounds bounds = chartBounds(doc);
    if (bounds.x.empty() && bounds.y.empty())
        return 100;
    const int width = std::max(0, chartArea.width() - 2 * kFitMargin);
    const int height = std::max(0, chartArea.height() - 2 * kFitMargin);
    int percent = std::min(percentFor(bounds.x, width), percentFor(bounds.y, height));
    // Positions truncate separately, so a span may need a pixel more than its length.
    while (percent > kLeastPercent) {
        const float scale = float(percent) / 100;
        if (fits(bounds.x, width, scale) && fits(bounds.y, height, scale))
            break;
        --percent;
    }
    return percent;
}

void FitWholeChart(DocumentSession &session, QSize chartArea) {
    const int percent = FitPercent(session.doc(), chartArea);
    const float scale = float(percent) / 100;
    session.setScale(scale);
    const ChartBounds bounds = chartBounds(session.doc());
    ChartViewState &view = session.view();
    if (bounds.y.empty()) {
        view.ViewOriginX = 0;
        view.ViewOriginY = 0;
        return;
    }
    if (!bounds.x.empty())
        view.ViewOriginX = centredOrigin(bounds.x, chartArea.width(), scale);
    view.ViewOriginY = centredOrigin(bounds.y, chartArea.height(), scale);
}

ChartZoom::ChartZoom(DocumentSession &session, ChartHost &host)
    : session_(session), doc_(session.doc()), host_(host) {}

int ChartZoom::NmashtabClick() {
    takeBase();
    return TrackBarPositionFor(doc_.settings.scale);
}

void ChartZoom::takeBase() {
    base_ = TakeZoomBase(doc_);
    lastApplied_ = base_;
}

void ChartZoom::TrackBar1Change(int percent) {
    const ZoomBase now = TakeZoomBase(doc_);
    if (now.scale != lastApplied_.scale || now.originX != lastApplied_.originX ||
        now.originY != lastApplied_.originY)
        base_ = now;
    ApplyZoom(session_, base_, percent, host_.chartAreaSize());
    lastApplied_ = TakeZoomBase(doc_);
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

bool ChartZoom::wheelZoom(int delta, QPoint pointer) {
    // A turn back the other way drops what was left of the other direction.
    if ((delta > 0) != (pendingTurn_ > 0))
        pendingTurn_ = 0;
    // Wide enough for every step of the range, narrow enough never to overflow.
    constexpr std::int64_t kMostTurn = std::int64_t(kWheelNotch) * kMostPercent;
    pendingTurn_ = int(std::clamp(std::int64_t(pendingTurn_) + delta, -kMostTurn, kMostTurn));
    const float before = doc_.settings.scale;
    while (std::abs(pendingTurn_) >= kWheelNotch) {
        const bool in = pendingTurn_ > 0;
        pendingTurn_ += in ? -kWheelNotch : kWheelNotch;
        ZoomAround(session_, TakeZoomBase(doc_), NextZoomStep(doc_.settings.scale, in), pointer);
    }
    if (doc_.settings.scale == before)
        return false;
    host_.UpdateScrollBars();
    host_.RequestRedraw();
    return true;
}

void ChartZoom::fitAll() {
    FitWholeChart(session_, host_.chartAreaSize());
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

void ChartZoom::actualSize() {
    ApplyZoom(session_, TakeZoomBase(doc_), 100, host_.chartAreaSize());
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

}  // namespace kinvarro
