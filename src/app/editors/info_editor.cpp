#include "editors/info_editor.h"
#include "editors/control_char_filter.h"
#include "editors/long_run_wrap.h"

#include "editors/apply_cancel_buttons.h"

#include <QHBoxLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include "edit/document_session.h"
#include "editors/clipboard_menu.h"
#include "editors/formatting_bar.h"
#include "editors/info_edit.h"
#include "editors/selection_format.h"
#include "markup/rich_text_document.h"
#include "model/document.h"

namespace kinvarro {

TForm7::TForm7(DocumentSession &session, QWidget *parent)
    : QDialog(parent),
      session_(session),
      doc_(session.doc()),
      RichEdit1_(new QTextEdit(this)),
      bar_(new FormattingBar(RichEdit1_, this)) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Информация о файле"));
    setMinimumSize(504, 345);
    RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    SetInfoFieldDefaults(*RichEdit1_->document());
    keepControlCharsOut(*RichEdit1_->document());
    keepLongRunsWrapping(*RichEdit1_->document());
    RichEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = RichEdit1_->palette();
    palette.setColor(QPalette::Text, ToQColor(DefaultTextColour(*RichEdit1_->document())));
    RichEdit1_->setPalette(palette);
    InstallClipboardMenu(RichEdit1_);
    bar_->setObjectName(QStringLiteral("Panel2"));
    auto *buttons = makeApplyCancelButtons(this, QStringLiteral("Отмена"), false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(RichEdit1_, 1);
    layout->addLayout(buttons);
    resize(560, 400);
}

bool TForm7::N51Click() {
    OpenInfoText(doc_, *RichEdit1_->document());
    fitWrapModeToText(*RichEdit1_->document());
    RichEdit1_->moveCursor(QTextCursor::Start);
    if (exec() != QDialog::Accepted)
        return false;
    ApplyInfoText(session_, *RichEdit1_->document());
    return true;
}

}  // namespace kinvarro
