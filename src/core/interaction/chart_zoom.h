#pragma once

#include <QPoint>
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

/// As ApplyZoom, but the chart point at `pivot` pixels of the chart area stays there.
void ZoomAround(DocumentSession &session, const ZoomBase &base, int percent, QPoint pivot);

/// The zoom percent one tick (10 %) in or out from `scale`, within 1..200 %:
/// a scale between ticks goes to the neighbouring tick.
int NextZoomStep(float scale, bool in);

/// The largest zoom percent (1..200) at which every element fits inside
/// `chartArea` less a small margin; 100 for an empty chart.
int FitPercent(const Document &doc, QSize chartArea);

/// Zooms to FitPercent and centres the elements in the chart area.
void FitWholeChart(DocumentSession &session, QSize chartArea);

/// The zoom window's behaviour: `NmashtabClick` and `TrackBar1Change`.
class ChartZoom {
  public:
    ChartZoom(DocumentSession &session, ChartHost &host);

    /// `NmashtabClick`: takes the base and returns the track bar position
    /// that shows the current scale.
    int NmashtabClick();
    /// Remembers the current scale and origin as the base of later changes.
    void takeBase();
    /// `TrackBar1Change`: zooms to `percent` of the base view. A view scrolled
    /// or zoomed elsewhere since the window's last change becomes the new base,
    /// so that the track bar never throws that scrolling away.
    void TrackBar1Change(int percent);

    /// Ctrl+wheel: a turn by `delta` eighths of a degree (positive away from
    /// the user). Every whole notch (120) zooms one tick in or out, keeping the
    /// chart point under `pointer` where it is; smaller turns, as a touchpad
    /// sends them, add up. Returns whether the scale changed.
    bool wheelZoom(int delta, QPoint pointer);
    /// "Показать всё": the whole chart as large as fits the chart area.
    void fitAll();
    /// "100 %": the unscaled chart about the centre of the view.
    void actualSize();

  private:
    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    ZoomBase base_;
    ZoomBase lastApplied_;  // the view the track bar left, to notice moves made elsewhere
    int pendingTurn_ = 0;
};

}  // namespace kinvarro
