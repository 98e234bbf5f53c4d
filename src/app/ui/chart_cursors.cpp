#include "ui/chart_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kinvarro {
namespace {

constexpr int kSize = 32;

enum class HandShape { Flat, Grab, Point };

// Fingers are drawn as rounded strokes over a palm; the outline pass in black
// under a thinner white pass gives the usual two-tone cursor look.
QPixmap drawHand(HandShape shape) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 14, 15, 13), 4, 4);  // palm
    auto finger = [&hand](qreal x, qreal top, qreal bottom) {
        hand.moveTo(x, bottom);
        hand.lineTo(x, top);
    };
    switch (shape) {
        case HandShape::Flat:
            for (int i = 0; i < 4; ++i)
                finger(10 + i * 3.7, 4 + (i == 0 || i == 3 ? 3 : 0), 16);
            finger(6, 13, 20);  // thumb
            break;
        case HandShape::Grab:
            for (int i = 0; i < 4; ++i)
                finger(10 + i * 3.7, 11, 16);
            finger(7, 15, 19);
            break;
        case HandShape::Point:
            finger(10, 2, 16);  // the index finger points up
            for (int i = 1; i < 4; ++i)
                finger(10 + i * 3.7, 12, 16);
            finger(6, 14, 20);
            break;
    }
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::black);
    p.drawPath(hand);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    return pixmap;
}

}  // namespace

ChartCursors ChartCursors::load() {
    return {QCursor(drawHand(HandShape::Flat), 15, 15), QCursor(drawHand(HandShape::Grab), 15, 15),
            QCursor(drawHand(HandShape::Point), 10, 2)};
}

}  // namespace kinvarro
