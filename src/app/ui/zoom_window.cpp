#include "ui/zoom_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>

#include "interaction/chart_zoom.h"
#include "model/document.h"

namespace kinvarro {
namespace {

constexpr QSize kClientSize(550, 55);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect where,
                 Qt::Alignment alignment) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

Tfmash::Tfmash(ChartZoom &zoom, const MessageTable &messages, QAction *Nmashtab, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      zoom_(zoom),
      messages_(messages),
      Nmashtab_(Nmashtab) {
    setObjectName(QStringLiteral("fmash"));
    setWindowTitle(QStringLiteral("Масштаб"));
    setFixedSize(kClientSize);

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(1, 200);
    TrackBar1->setPageStep(10);
    TrackBar1->setTickInterval(10);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(100);
    TrackBar1->setGeometry(8, 2, kClientSize.width() - 16, 30);

    addLabel(this, "Label1", QStringLiteral("1%"), QRect(8, 34, 60, 18), Qt::AlignLeft);
    addLabel(this, "Label2", QStringLiteral("200%"), QRect(kClientSize.width() - 68, 34, 60, 18),
             Qt::AlignRight);
    Lmash = addLabel(this, "Lmash", QStringLiteral("100%"),
                     QRect(kClientSize.width() / 2 - 40, 34, 80, 18), Qt::AlignHCenter);
    QFont bold = Lmash->font();
    bold.setBold(true);
    Lmash->setFont(bold);
    Lmash->setStyleSheet(QStringLiteral("color: navy"));

    connect(TrackBar1, &QSlider::valueChanged, this, &Tfmash::TrackBar1Change);
}

void Tfmash::open() {
    // Setting the position zooms when it differs from the scale shown.
    TrackBar1->setValue(zoom_.NmashtabClick());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    zoom_.takeBase();
}

void Tfmash::showScale() {
    const int position = zoom_.NmashtabClick();
    const QSignalBlocker quiet(TrackBar1);
    TrackBar1->setValue(position);
    Lmash->setText(QStringLiteral("%1%").arg(TrackBar1->value()));
}

void Tfmash::TrackBar1Change(int position) {
    Lmash->setText(QStringLiteral("%1%").arg(position));
    // The menu shows the scale in the same words as everywhere else.
    Nmashtab_->setText(ScaleCaption(messages_, std::uint32_t(position)));
    zoom_.TrackBar1Change(position);
}

void Tfmash::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kinvarro
