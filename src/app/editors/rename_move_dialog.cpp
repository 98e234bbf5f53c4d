#include "editors/rename_move_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kinvarro {

TFRenameMove::TFRenameMove(QWidget *parent)
    : QDialog(parent), current_(new QLineEdit(this)), next_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FRenameMove"));
    setWindowTitle(QStringLiteral("Переименовать/переместить медиа файл"));
    current_->setObjectName(QStringLiteral("eFile"));
    current_->setReadOnly(true);
    next_->setObjectName(QStringLiteral("eNew"));
    auto *fileLabel = new QLabel(QStringLiteral("Файл:"), this);
    fileLabel->setObjectName(QStringLiteral("Label1"));
    auto *newLabel = new QLabel(QStringLiteral("Новое имя:"), this);
    newLabel->setObjectName(QStringLiteral("Label2"));
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("bOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QFormLayout(this);
    layout->addRow(fileLabel, current_);
    layout->addRow(newLabel, next_);
    layout->addRow(buttons);
    setFixedSize(520, sizeHint().height());
}

std::optional<QString> TFRenameMove::ask(const QString &entry, const QString &proposed) {
    current_->setText(entry);
    next_->setText(proposed);
    next_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return next_->text();
}

}  // namespace kinvarro
