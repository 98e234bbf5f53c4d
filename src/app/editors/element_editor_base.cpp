#include "editors/element_editor_base.h"
#include "editors/control_char_filter.h"
#include "editors/long_run_wrap.h"

#include "editors/apply_cancel_buttons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "edit/document_session.h"
#include "editors/clipboard_menu.h"
#include "editors/formatting_bar.h"
#include "editors/media_tab.h"
#include "model/document.h"
#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

ElementEditorBase::ElementEditorBase(DocumentSession &session, Prompts &prompts,
                                     const MessageTable &messages, bool person, QWidget *parent)
    : QDialog(parent),
      session_(session),
      doc_(session.doc()),
      prompts_(prompts),
      messages_(messages),
      nameGroup_(new QGroupBox(this)),
      optionsPage_(new QWidget(this)),
      eName_(new QPlainTextEdit(nameGroup_)),
      tabs_(new QTabWidget(this)),
      eDescription_(new QTextEdit(this)),
      bar_(new FormattingBar(eDescription_, this)),
      media_(new MediaTab(session, prompts, messages, person, this)) {
    nameGroup_->setObjectName(QStringLiteral("GroupBox1"));
    eName_->setObjectName(QStringLiteral("eName"));
    eName_->setMaximumHeight(80);
    (new QVBoxLayout(nameGroup_))->addWidget(eName_);

    eDescription_->setObjectName(QStringLiteral("eDescription"));
    keepControlCharsOut(*eName_->document());
    keepControlCharsOut(*eDescription_->document());
    keepLongRunsWrapping(*eName_->document());
    keepLongRunsWrapping(*eDescription_->document());
    InstallClipboardMenu(eDescription_);
    auto *descriptionPage = new QWidget(this);
    descriptionPage->setObjectName(QStringLiteral("TabSheet1"));
    auto *descriptionLayout = new QVBoxLayout(descriptionPage);
    bar_->setObjectName(QStringLiteral("Panel4"));
    descriptionLayout->addWidget(bar_);
    descriptionLayout->addWidget(eDescription_, 1);
    media_->setObjectName(QStringLiteral("TabSheet2"));
    optionsPage_->setObjectName(QStringLiteral("TabSheet3"));
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(descriptionPage, QStringLiteral("Описание"));
    tabs_->addTab(media_, QStringLiteral("Медиа"));
    tabs_->addTab(optionsPage_, QStringLiteral("Опции"));

    auto *buttons = makeApplyCancelButtons(this, QStringLiteral("Отмена"), false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
}

bool ElementEditorBase::edit(int index) {
    index_ = index;
    LoadElement(doc_, index, fields_, *eDescription_->document());
    eName_->setPlainText(fields_.name);
    fitWrapModeToText(*eName_->document());
    fitWrapModeToText(*eDescription_->document());
    media_->load(fields_.media);
    eDescription_->moveCursor(QTextCursor::Start);
    showOptions();
    if (exec() != QDialog::Accepted)
        return false;
    ApplyElement(session_, index, fields_, *eDescription_->document());
    return true;
}

void ElementEditorBase::accept() {
    fields_.name = eName_->toPlainText();
    fields_.media = media_->entries();
    readOptions();
    QDialog::accept();
}

void ElementEditorBase::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    media_->prepareForShow();
    eName_->setFocus();
    eName_->selectAll();
}

}  // namespace kinvarro
