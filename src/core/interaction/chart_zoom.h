#pragma once

#include <QSize>
#include <cstdint>

namespace kinvarro {

class ChartHost;
class Document;
class DocumentSession;

/// The scale and view origin a zoom works from, taken when the zoom window opens.
struct ZoomBase {
    float scale = 1.0f;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
};

ZoomBase TakeZoomBase(const Document &doc);

/// The track bar position that shows `scale`: whole percent, halves to even.
int TrackBarPositionFor(float scale);

/// Sets the scale to `percent` and moves the origin so that the chart point
/// at the centre of a `chartArea`-sized view stays there, both computed from
/// `base` so that moving back and forth does not drift.
void ApplyZoom(DocumentSession &session, const ZoomBase &base, int percent, QSize chartArea);

/// The zoom window's behaviour: `NmashtabClick` and `TrackBar1Change`.
class ChartZoom {
  public:
    ChartZoom(DocumentSession &session, ChartHost &host);

    /// `NmashtabClick`: takes the base and returns the track bar position
    /// that shows the current scale.
    int NmashtabClick();
    /// Remembers the current scale and origin as the base of later changes.
    void takeBase() { base_ = TakeZoomBase(doc_); }
    /// `TrackBar1Change`: zooms to `percent` of the base view.
    void TrackBar1Change(int percent);

  private:
    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    ZoomBase base_;
};

}  // namespace kinvarro
