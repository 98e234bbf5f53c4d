#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/document.h"
#include "render/chart_painter.h"
#include "render/view_geometry.h"

namespace kinvarro {

/// The chart-to-canvas conversions of one paint. Chart values are summed in
/// 64 bits, so element coordinates near the int32 limits cannot overflow;
/// a sum beyond int32 is saturated before ToScreen, which saturates too.
class ViewMapping {
  public:
    explicit ViewMapping(const Document &doc)
        : scale_(doc.settings.scale),
          originX_(doc.view.ViewOriginX),
          originY_(doc.view.ViewOriginY) {}

    float scale() const { return scale_; }
    Coord originX() const { return originX_; }
    Coord originY() const { return originY_; }

    /// ToScreen of a chart length or position, without the origin.
    Coord S(std::int64_t v) const { return ToScreen(saturated(v), scale_); }
    /// ToScreenRounded of a chart value.
    Coord rounded(std::int64_t v) const { return ToScreenRounded(saturated(v), scale_); }
    /// Canvas position of a chart x or y.
    Coord x(std::int64_t chartX) const { return S(chartX) + originX_; }
    Coord y(std::int64_t chartY) const { return S(chartY) + originY_; }

  private:
    static std::int32_t saturated(std::int64_t v) {
        return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
    }

    float scale_;
    Coord originX_;
    Coord originY_;
};

}  // namespace kinvarro
