#include "ui/progress_window.h"

#include <QApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kinvarro {

TForm10::TForm10(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      gauge_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("Form10"));
    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gauge_);
    setFixedSize(461, 19);
}

void TForm10::show(const QString &caption, int minimum, int maximum) {
    setWindowTitle(caption);
    gauge_->setRange(minimum, std::max(minimum, maximum));
    gauge_->setValue(minimum);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    QWidget::show();
    QApplication::processEvents();
}

void TForm10::setPosition(int position) {
    gauge_->setValue(position);
    // Long operations run on the interface thread; this keeps the window alive.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm10::hide() {
    QWidget::hide();
}

}  // namespace kinvarro
