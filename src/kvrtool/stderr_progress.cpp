#include "stderr_progress.h"

#include <algorithm>

namespace kinvarro {
namespace {

constexpr int kBarWidth = 40;
constexpr qint64 kQuietMilliseconds = 500;

}  // namespace

void StderrProgress::show(const QString &caption, int minimum, int maximum) {
    caption_ = caption;
    minimum_ = minimum;
    maximum_ = maximum;
    percent_ = -1;
    setPosition(minimum);
}

void StderrProgress::setPosition(int position) {
    const qint64 span = qint64(maximum_) - minimum_;
    const int percent =
        span > 0 ? int(std::clamp<qint64>((qint64(position) - minimum_) * 100 / span, 0, 100)) : 0;
    if (percent == percent_ || clock_.elapsed() < kQuietMilliseconds)
        return;
    percent_ = percent;
    draw();
}

void StderrProgress::draw() {
    const int filled = percent_ * kBarWidth / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(kBarWidth - filled, ' ');
    std::fprintf(stream_, "\r%s [%s] %3d%%", caption_.toLocal8Bit().constData(), bar.constData(),
                 percent_);
    std::fflush(stream_);
    drawn_ = true;
}

void StderrProgress::hide() {
    if (drawn_)
        std::fputc('\n', stream_);
    drawn_ = false;
}

}  // namespace kinvarro
