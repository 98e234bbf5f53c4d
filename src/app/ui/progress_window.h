#pragma once

#include <QWidget>

#include "prompts/progress_display.h"

class QProgressBar;
class QPushButton;

namespace kinvarro {

/// `TForm10`: the small always-on-top window with a caption and a gauge that
/// long operations show. Operations that can stop offer a cancel button; the
/// window is modal, so while it shows, a click can reach only that button.
class TForm10 : public QWidget, public ProgressDisplay {
    Q_OBJECT
  public:
    explicit TForm10(QWidget *parent = nullptr);

    void show(const QString &caption, int minimum, int maximum) override;
    void setPosition(int position) override;
    void hide() override;
    void offerCancel() override;
    bool cancelled() const override { return cancelled_; }

  private:
    void fitSize();

    QProgressBar *gauge_;
    QPushButton *bCancel_;
    bool cancelled_ = false;
};

}  // namespace kinvarro
