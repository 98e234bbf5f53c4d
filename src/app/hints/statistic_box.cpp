#include "hints/statistic_box.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "hints/element_statistics.h"

namespace kinvarro {
namespace {

const QColor kNavy(0, 0, 128);

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text, int extraPoints) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + extraPoints);
    label->setFont(font);
    return label;
}

QLabel *valueLabel(QWidget *parent, const char *name, int extraPoints) {
    QLabel *label = boldLabel(parent, name, QStringLiteral("0"), extraPoints);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
    return label;
}

}  // namespace

TfStatistic::TfStatistic(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("fStatistic"));
    setWindowTitle(QStringLiteral("Статистика"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    grid->addWidget(boldLabel(this, "Label1", QStringLiteral("Мужчин:"), 0), 0, 0);
    grid->addWidget(emen_ = valueLabel(this, "emen", 0), 0, 1);
    grid->addWidget(boldLabel(this, "Label2", QStringLiteral("Женщин:"), 0), 1, 0);
    grid->addWidget(ewomen_ = valueLabel(this, "ewomen", 0), 1, 1);
    grid->addWidget(boldLabel(this, "Label3", QStringLiteral("Других:"), 0), 2, 0);
    grid->addWidget(eother_ = valueLabel(this, "eother", 0), 2, 1);
    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    grid->addWidget(separator, 3, 0, 1, 2);
    grid->addWidget(boldLabel(this, "Label4", QStringLiteral("Всего:"), 2), 4, 0);
    grid->addWidget(etotal_ = valueLabel(this, "etotal", 4), 4, 1);
    setFixedWidth(220);
    for (QLabel *label : findChildren<QLabel *>())
        label->installEventFilter(this);
}

void TfStatistic::showCounts(const ElementStatistics &counts) {
    emen_->setText(QString::number(counts.men));
    ewomen_->setText(QString::number(counts.women));
    eother_->setText(QString::number(counts.other));
    etotal_->setText(QString::number(counts.total));
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfStatistic::mousePressEvent(QMouseEvent *) {
    accept();
}

bool TfStatistic::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kinvarro
