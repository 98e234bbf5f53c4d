#include "editors/comment_editor.h"
#include "editors/control_char_filter.h"

#include "editors/apply_cancel_buttons.h"
#include "editors/clipboard_menu.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kinvarro {

Tfcomment::Tfcomment(QWidget *parent) : QDialog(parent), reComment_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("fcomment"));
    auto *group = new QGroupBox(QStringLiteral("Комментарий"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    reComment_->setObjectName(QStringLiteral("reComment"));
    reComment_->setLineWrapMode(QPlainTextEdit::NoWrap);
    keepControlCharsOut(*reComment_->document());
    InstallClipboardMenu(reComment_);
    (new QVBoxLayout(group))->addWidget(reComment_);
    auto *buttons = makeApplyCancelButtons(this, QStringLiteral("Отмена"), true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(480, 320);
}

std::optional<QString> Tfcomment::edit(const QString &caption, const QString &text) {
    setWindowTitle(caption);
    reComment_->setPlainText(text);
    reComment_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return reComment_->toPlainText();
}

}  // namespace kinvarro
