#pragma once

#include <cstdint>

#include "model/chart_view_state.h"

namespace kinvarro {

/// Puts the view's scroll origin back when it goes out of scope, so an export
/// that moves the origin tile by tile or page by page leaves the view as it was.
class ViewOriginRestorer {
  public:
    explicit ViewOriginRestorer(ChartViewState &view)
        : view_(view), x_(view.ViewOriginX), y_(view.ViewOriginY) {}
    ~ViewOriginRestorer() {
        view_.ViewOriginX = x_;
        view_.ViewOriginY = y_;
    }
    ViewOriginRestorer(const ViewOriginRestorer &) = delete;
    ViewOriginRestorer &operator=(const ViewOriginRestorer &) = delete;

  private:
    ChartViewState &view_;
    std::int32_t x_;
    std::int32_t y_;
};

}  // namespace kinvarro
