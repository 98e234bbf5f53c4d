#pragma once

#include <QWidget>

#include "prompts/progress_display.h"

class QProgressBar;

namespace kinvarro {

/// `TForm10`: the small always-on-top window with a caption and a gauge that
/// long operations show.
class TForm10 : public QWidget, public ProgressDisplay {
    Q_OBJECT
  public:
    explicit TForm10(QWidget *parent = nullptr);

    void show(const QString &caption, int minimum, int maximum) override;
    void setPosition(int position) override;
    void hide() override;

  private:
    QProgressBar *gauge_;
};

}  // namespace kinvarro
