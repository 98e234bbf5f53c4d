#pragma once

#include <QSize>
#include <cstdint>

namespace kinvarro {

class Document;

/// A scroll bar of the chart area in screen pixels, with the clamping rules
/// the view relies on; the editor's QScrollBar mirrors it.
class ScrollBarModel {
  public:
    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const { return position_; }

    /// A minimum above the maximum becomes the maximum; the position is pulled inside.
    void setMin(std::int32_t value);
    /// A maximum below the minimum becomes the minimum; the position is pulled inside.
    void setMax(std::int32_t value);
    /// Clamped into [Min, Max].
    void setPosition(std::int32_t value);

    std::int32_t SmallChange = 30;
    std::int32_t LargeChange = 1;
    bool Visible = false;

  private:
    std::int32_t min_ = 0;
    std::int32_t max_ = 0;
    std::int32_t position_ = 0;
};

/// The two scroll bars of the chart area.
struct ScrollBars {
    ScrollBarModel ScrollBarH;
    ScrollBarModel ScrollBarV;
};

/// Recomputes both bars from the elements and the view origin for a chart
/// area of `chartArea` pixels: ranges, positions, page sizes and visibility.
void UpdateScrollBars(const Document &doc, QSize chartArea, ScrollBars &bars);

/// Puts both bars at the positions of the view origin.
void SyncScrollBarPositions(const Document &doc, ScrollBars &bars);

}  // namespace kinvarro
