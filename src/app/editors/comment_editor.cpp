#include "editors/comment_editor.h"
#include "editors/control_char_filter.h"

#include "editors/apply_cancel_buttons.h"
#include "editors/clipboard_menu.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editors/unstorable_text.h"
#include "markup/description_text.h"
#include "prompts/prompts.h"

namespace kinvarro {

Tfcomment::Tfcomment(Prompts &prompts, const MessageTable &messages, QWidget *parent)
    : QDialog(parent),
      prompts_(prompts),
      messages_(messages),
      reComment_(new QPlainTextEdit(this)) {
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

void Tfcomment::accept() {
    const QString unstorable = UnstorableCharacters(reComment_->toPlainText());
    if (!unstorable.isEmpty()) {
        if (!AgreeToNearestLetters(prompts_, messages_, unstorable))
            return;
        reComment_->setPlainText(WithNearestLetters(reComment_->toPlainText()));
    }
    QDialog::accept();
}

}  // namespace kinvarro
