#include "ui/interval_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <limits>

namespace kinvarro {

TForm4::TForm4(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Интервал.."));
    setFixedSize(208, 87);

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEdit1->setGeometry(16, 12, 176, 26);
    SpinEdit1->installEventFilter(this);

    BitBtn1 = new QPushButton(QStringLiteral("Применить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(56, 50, 96, 28);
    // Enter applies on its release in the spin edit, not on its press.
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<std::int32_t> TForm4::askInterval(std::int32_t current) {
    SpinEdit1->setValue(current);
    SpinEdit1->setFocus();
    SpinEdit1->selectAll();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return enteredValue();
}

std::int32_t TForm4::enteredValue() const {
    bool whole = false;
    const int value = SpinEdit1->cleanText().toInt(&whole);
    return whole ? value : 0;
}

bool TForm4::eventFilter(QObject *watched, QEvent *event) {
    if (watched == SpinEdit1 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kinvarro
