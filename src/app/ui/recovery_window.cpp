#include "ui/recovery_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "settings/message_table.h"

namespace kinvarro {

RecoveryWindow::RecoveryWindow(const MessageTable &messages, QWidget *parent)
    : QDialog(parent), messages_(messages), text_(new QLabel(this)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("fRecovery"));
    text_->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    recover_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    discard_ = buttons->addButton(QString(), QDialogButtonBox::DestructiveRole);
    later_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    recover_->setDefault(true);
    using Action = RecoveryChoice::Action;
    connect(recover_, &QPushButton::clicked, this, [this] {
        action_ = Action::Recover;
        accept();
    });
    connect(discard_, &QPushButton::clicked, this, [this] {
        action_ = Action::Discard;
        accept();
    });
    connect(later_, &QPushButton::clicked, this, [this] {
        action_ = Action::Later;
        reject();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

RecoveryChoice RecoveryWindow::chooseRecovery(const QString &caption, const QString &text,
                                              const QStringList &lines) {
    setWindowTitle(caption);
    text_->setText(text);
    recover_->setText(messages_.text(Msg::mRecover));
    discard_->setText(messages_.text(Msg::mDiscardRecovery));
    later_->setText(messages_.text(Msg::mLater));
    list_->clear();
    list_->addItems(lines);
    list_->setCurrentRow(0);
    recover_->setFocus();
    action_ = RecoveryChoice::Action::Later;
    exec();
    return {action_, std::max(0, list_->currentRow())};
}

}  // namespace kinvarro
