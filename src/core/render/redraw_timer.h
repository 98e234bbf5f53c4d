#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

namespace kinvarro {

/// Coalesces repaint requests: the paint runs once, 100 ms after the last of
/// a series of requests, through the event loop (`TimerRedrawNodes`).
class RedrawTimer {
  public:
    static constexpr std::chrono::milliseconds kDelay{100};

    /// `paint` runs at each expiry; it normally calls PaintScene and shows the canvas.
    explicit RedrawTimer(std::function<void()> paint);
    RedrawTimer(const RedrawTimer &) = delete;
    RedrawTimer &operator=(const RedrawTimer &) = delete;

    /// Starts the delay again; requests faster than the delay postpone the paint.
    void RequestRedraw();
    /// True while a paint is waiting for its delay to run out.
    bool isPending() const { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> paint_;
};

}  // namespace kinvarro
