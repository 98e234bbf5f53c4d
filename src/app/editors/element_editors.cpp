#include "editors/element_editors.h"

#include "edit/document_session.h"
#include "editors/element_editor.h"
#include "editors/event_editor.h"
#include "editors/info_editor.h"
#include "editors/media_tab.h"
#include "model/document.h"

namespace kinvarro {

ElementEditors::ElementEditors(DocumentSession &session, Prompts &prompts,
                               const MessageTable &messages, QWidget *window)
    : QObject(window),
      session_(session),
      doc_(session.doc()),
      person_(new TForm3(session, prompts, messages, window)),
      event_(new TForm8(session, prompts, messages, window)),
      info_(new TForm7(session, window)) {}

ElementEditors::~ElementEditors() = default;

bool ElementEditors::NModifyClick(int index, bool justAdded) {
    if (!doc_.NodeTable.isValidIndex(index))
        return false;
    const int kind = doc_.NodeTable[index].kind;
    ElementEditorBase *editor = kind == kPerson ? static_cast<ElementEditorBase *>(person_)
                                : kind == kHistoricalEvent ? event_
                                                           : nullptr;
    if (!editor) {
        // An element of unknown kind is not edited; only the selection goes.
        session_.clearSelection();
        emit chartChanged();
        return false;
    }
    if (editor->edit(index)) {
        emit chartChanged();
        return true;
    }
    if (CancelElement(session_, index, justAdded))
        emit chartChanged();
    return false;
}

std::vector<QWidget *> ElementEditors::windows() const {
    std::vector<QWidget *> windows{person_, event_, info_};
    for (ElementEditorBase *editor :
         {static_cast<ElementEditorBase *>(person_), static_cast<ElementEditorBase *>(event_)})
        for (QWidget *dialog : editor->media().dialogs())
            windows.push_back(dialog);
    return windows;
}

bool ElementEditors::N51Click() {
    return info_->N51Click();
}

}  // namespace kinvarro
