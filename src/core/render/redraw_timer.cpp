#include "render/redraw_timer.h"

namespace kinvarro {

RedrawTimer::RedrawTimer(std::function<void()> paint) : paint_(std::move(paint)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    QObject::connect(&timer_, &QTimer::timeout, [this] { paint_(); });
}

void RedrawTimer::RequestRedraw() {
    timer_.start();
}

}  // namespace kinvarro
