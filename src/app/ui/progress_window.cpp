#include "ui/progress_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace kinvarro {

TForm10::TForm10(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      gauge_(new QProgressBar(this)),
      bCancel_(new QPushButton(QStringLiteral("Отмена"), this)) {
    setObjectName(QStringLiteral("Form10"));
    setWindowModality(Qt::ApplicationModal);
    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setTextVisible(false);
    bCancel_->setObjectName(QStringLiteral("bCancel"));
    bCancel_->setAutoDefault(false);
    bCancel_->hide();
    connect(bCancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gauge_, 1);
    layout->addWidget(bCancel_);
    fitSize();
}

void TForm10::fitSize() {
    setFixedSize(461, bCancel_->isHidden() ? 19 : std::max(19, bCancel_->sizeHint().height()));
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

void TForm10::offerCancel() {
    if (!bCancel_->isHidden())
        return;
    bCancel_->show();
    fitSize();
    QApplication::processEvents();
}

void TForm10::setPosition(int position) {
    gauge_->setValue(position);
    // Long operations run on the interface thread; this keeps the window alive.
    // The cancel button needs the clicks, which the window's modality keeps
    // away from the rest of the editor.
    QApplication::processEvents(bCancel_->isHidden() ? QEventLoop::ExcludeUserInputEvents
                                                     : QEventLoop::AllEvents);
}

void TForm10::hide() {
    QWidget::hide();
    bCancel_->hide();
    cancelled_ = false;
    fitSize();
}

}  // namespace kinvarro
