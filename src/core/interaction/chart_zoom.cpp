#include "interaction/chart_zoom.h"

#include <cmath>

#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "interaction/saturating.h"
#include "model/document.h"

namespace kinvarro {
namespace {

constexpr float kSmallestScale = 0.01f;

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
    float scale = float(percent) / 100;
    if (scale <= 0)
        scale = kSmallestScale;
    session.setScale(scale);
    // A document may carry a scale of 0, from which no centre can be kept.
    const bool usableBase = base.scale > 0 && std::isfinite(base.scale);
    const double ratio = usableBase ? double(scale) / double(base.scale) : 1.0;
    session.view().ViewOriginX = zoomedOrigin(base.originX, chartArea.width() / 2, ratio);
    session.view().ViewOriginY = zoomedOrigin(base.originY, chartArea.height() / 2, ratio);
}

ChartZoom::ChartZoom(DocumentSession &session, ChartHost &host)
    : session_(session), doc_(session.doc()), host_(host) {}

int ChartZoom::NmashtabClick() {
    takeBase();
    return TrackBarPositionFor(doc_.settings.scale);
}

void ChartZoom::TrackBar1Change(int percent) {
    ApplyZoom(session_, base_, percent, host_.chartAreaSize());
    host_.UpdateScrollBars();
    host_.RequestRedraw();
}

}  // namespace kinvarro
