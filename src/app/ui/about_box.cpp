#include "ui/about_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "settings/message_table.h"

namespace kinvarro {
namespace {

constexpr QSize kSize(420, 260);
const QColor kShadowGrey(128, 128, 128);

// A small family tree: three generations of boxes joined by lines.
void drawTreePicture(QPainter &p, const QRect &area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0xE8, 0xF0, 0xFA));
    sky.setColorAt(1, QColor(0xC8, 0xD8, 0xEE));
    p.fillRect(area, sky);
    p.setRenderHint(QPainter::Antialiasing);
    const QPoint top(area.width() - 110, 40);
    const QRect boxes[] = {{top.x() - 50, top.y(), 40, 16},
                           {top.x() + 10, top.y(), 40, 16},
                           {top.x() - 20, top.y() + 60, 40, 16},
                           {top.x() - 70, top.y() + 120, 40, 16},
                           {top.x() + 30, top.y() + 120, 40, 16}};
    p.setPen(QPen(QColor(0x40, 0x40, 0x80), 1.5));
    auto join = [&p](const QRect &parent, const QRect &child) {
        p.drawLine(parent.center().x(), parent.bottom(), child.center().x(), child.top());
    };
    join(boxes[0], boxes[2]);
    join(boxes[1], boxes[2]);
    join(boxes[2], boxes[3]);
    join(boxes[2], boxes[4]);
    const QColor fills[] = {QColor(0xD9, 0xD9, 0xFF), QColor(0xFF, 0xE1, 0xE1),
                            QColor(0xD9, 0xD9, 0xFF), QColor(0xFF, 0xE1, 0xE1),
                            QColor(0xD9, 0xD9, 0xFF)};
    for (int i = 0; i < 5; ++i) {
        p.fillRect(boxes[i].translated(4, 4), QColor(0, 0, 0, 40));
        p.fillRect(boxes[i], fills[i]);
        p.drawRect(boxes[i]);
    }
}

}  // namespace

TForm2::TForm2(const MessageTable &messages, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), messages_(messages) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("О программе .."));
    setFixedSize(kSize);
    addLabel("Label1", QStringLiteral("Kinvarro"), 28, kShadowGrey, {25, 31});
    addLabel("Label2", QStringLiteral("Kinvarro"), 28, Qt::black, {24, 30});
    version_ = addLabel("Label3", QString(), 10, Qt::black, {26, 90});
    linkShadow_ = addLabel("Label5", QString(), 10, kShadowGrey, {27, 221});
    link_ = addLabel("Label4", QString(), 10, Qt::blue, {26, 220});
    for (QLabel *label : {link_, linkShadow_}) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
    }
}

QLabel *TForm2::addLabel(const char *name, const QString &text, int pointSize, QColor color,
                         QPoint at) {
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(pointSize > 20);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    label->installEventFilter(this);
    return label;
}

void TForm2::showEvent(QShowEvent *event) {
    // In the language chosen now, which may have changed since the last showing.
    version_->setText(messages_.text(Msg::mVersion).arg(QStringLiteral(KINVARRO_VERSION)));
    version_->adjustSize();
    for (QLabel *label : {link_, linkShadow_}) {
        label->setText(messages_.text(Msg::mAboutHelp));
        label->adjustSize();
    }
    QDialog::showEvent(event);
}

void TForm2::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    drawTreePicture(painter, rect());
    painter.setPen(QColor(0x40, 0x40, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TForm2::mousePressEvent(QMouseEvent *) {
    close();
}

void TForm2::keyPressEvent(QKeyEvent *) {
    close();
}

bool TForm2::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    close();
    if (watched == link_ || watched == linkShadow_)
        emit helpRequested();
    return true;
}

}  // namespace kinvarro
