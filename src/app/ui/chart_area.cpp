#include "ui/chart_area.h"

#include <QPainter>
#include <QResizeEvent>

#include "render/chart_canvas.h"

namespace kinvarro {

ChartArea::ChartArea(ChartCanvas &canvas, QWidget *parent) : QWidget(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void ChartArea::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), canvas_.image(),
                      QRectF(event->rect().topLeft() * canvas_.devicePixelRatio(),
                             event->rect().size() * canvas_.devicePixelRatio()));
}

void ChartArea::resizeEvent(QResizeEvent *event) {
    emit resized(event->size());
}

}  // namespace kinvarro
