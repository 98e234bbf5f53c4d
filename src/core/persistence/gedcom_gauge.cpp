#include "persistence/gedcom_gauge.h"

#include "prompts/progress_display.h"

namespace kinvarro {

GedcomGauge::~GedcomGauge() {
    if (display_ && shown_)
        display_->hide();
}

void GedcomGauge::show(const QString &caption, int minimum, int maximum, int position) {
    caption_ = caption;
    minimum_ = minimum;
    maximum_ = maximum;
    shown_ = true;
    position_ = position;
    if (display_) {
        display_->show(caption, minimum, maximum);
        display_->offerCancel();
        display_->setPosition(position);
        sinceRepaint_.start();
    }
}

void GedcomGauge::setMaximum(int maximum) {
    show(caption_, minimum_, maximum, position_);
}

void GedcomGauge::setPosition(int position) {
    position_ = position;
    constexpr qint64 kRepaintInterval = 20;  // milliseconds
    if (display_ && sinceRepaint_.hasExpired(kRepaintInterval)) {
        display_->setPosition(position);
        sinceRepaint_.start();
    }
}

bool GedcomGauge::cancelled() const {
    return display_ && display_->cancelled();
}

void GedcomGauge::step() {
    setPosition(position_ >= maximum_ ? minimum_ : position_ + 1);
}

}  // namespace kinvarro
