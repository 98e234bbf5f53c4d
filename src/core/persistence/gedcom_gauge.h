#pragma once

#include <QElapsedTimer>
#include <QString>

#include "settings/message_table.h"

namespace kinvarro {

class ProgressDisplay;

/// The import's view of the progress window: it remembers the gauge's range
/// and position so that a gauge step can wrap from the maximum to the minimum.
/// Without a display it only counts. The window offers a cancel button, which
/// the import's steps ask for through `cancelled`. The display sees a new position at most
/// every few milliseconds: a step per element would otherwise cost more in
/// repainting than the work it reports.
class GedcomGauge {
  public:
    /// Captions come from `messages`, or the built-in texts without it.
    explicit GedcomGauge(ProgressDisplay *display, const MessageTable *messages = nullptr)
        : display_(display), messages_(messages) {}
    ~GedcomGauge();
    GedcomGauge(const GedcomGauge &) = delete;
    GedcomGauge &operator=(const GedcomGauge &) = delete;

    void show(const QString &caption, int minimum, int maximum, int position = 0);
    void setMaximum(int maximum);
    void setPosition(int position);
    /// At the maximum back to the minimum, otherwise one further.
    void step();
    /// Whether the user stopped the import from the progress window.
    bool cancelled() const;
    QString caption(Msg key) const {
        return messages_ ? messages_->text(key) : MessageTable::defaultText(key);
    }
    int maximum() const { return maximum_; }
    int position() const { return position_; }

  private:
    ProgressDisplay *display_;
    const MessageTable *messages_;
    QString caption_;
    int minimum_ = 0;
    int maximum_ = 0;
    int position_ = 0;
    bool shown_ = false;
    QElapsedTimer sinceRepaint_;
};

}  // namespace kinvarro
