#pragma once

#include <QString>

namespace kinvarro {

/// The progress window of long operations: a caption over a gauge. The editor
/// shows it as a small always-on-top window; tools may print or ignore it.
class ProgressDisplay {
  public:
    virtual ~ProgressDisplay() = default;
    /// Shows the window (again) with a caption and the gauge's range.
    virtual void show(const QString &caption, int minimum, int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void hide() = 0;
    /// Offers the user a way to stop the operation until `hide`; only
    /// operations that ask `cancelled` offer it.
    virtual void offerCancel() {}
    /// Whether the user asked to stop since the window was last hidden.
    virtual bool cancelled() const { return false; }
};

/// Hides a progress window (none: nothing) when it goes out of scope, so the
/// window goes however an operation ends; `hide` does it earlier.
class ProgressHider {
  public:
    explicit ProgressHider(ProgressDisplay *display) : display_(display) {}
    ~ProgressHider() { hide(); }
    ProgressHider(const ProgressHider &) = delete;
    ProgressHider &operator=(const ProgressHider &) = delete;

    void hide() {
        if (display_)
            display_->hide();
        display_ = nullptr;
    }

  private:
    ProgressDisplay *display_;
};

}  // namespace kinvarro
