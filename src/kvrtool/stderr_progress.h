#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

#include "prompts/progress_display.h"

namespace kinvarro {

/// The progress window of a command-line export: a bar on one line of
/// `stream`, drawn only once the work has taken half a second, so that
/// quick exports stay silent.
class StderrProgress final : public ProgressDisplay {
  public:
    explicit StderrProgress(std::FILE *stream = stderr) : stream_(stream) { clock_.start(); }
    ~StderrProgress() override { hide(); }

    void show(const QString &caption, int minimum, int maximum) override;
    void setPosition(int position) override;
    void hide() override;

  private:
    void draw();

    std::FILE *stream_;
    QElapsedTimer clock_;
    QString caption_;
    int minimum_ = 0;
    int maximum_ = 0;
    int percent_ = -1;
    bool drawn_ = false;
};

}  // namespace kinvarro
