#include "interaction/element_commands.h"

#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "model/document.h"
#include "prompts/prompts.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

// Names the element when there is only one, else counts them.
QString deleteSelectedQuestion(const Document &doc, int count, const std::string &lastName) {
    const MessageTable &m = doc.messages();
    if (count > 1) {
        return QStringLiteral("%1 %2 %3?")
            .arg(m.text(Msg::mRemoveRequest), QString::number(count), m.text(Msg::mElements));
    }
    return QStringLiteral("%1 %2 %3?")
        .arg(m.text(Msg::mRemoveRequest), m.text(Msg::mElement), fromDocText(lastName));
}

}  // namespace

PopupMenuItems PopupMenu1Popup(const Document &doc) {
    const bool onElement = doc.view.CurrentNode != -1;
    return {!onElement, !onElement, onElement, onElement, !onElement};
}

ElementCommands::ElementCommands(DocumentSession &session, ChartHost &host, Prompts &prompts)
    : session_(session), doc_(session.doc()), host_(host), prompts_(prompts) {}

void ElementCommands::addElement(ElementKind kind) {
    const std::optional<int> added = session_.beginNewElement(kind);
    if (!added) {
        const MessageTable &m = doc_.messages();
        prompts_.tell(MessageIcon::Error, m.text(Msg::mError),
                      m.text(Msg::mChartFull).arg(kMaxNodes));
        return;
    }
    // An element that was never applied is no part of the document.
    const bool applied = host_.NModifyClick(true);
    if (const std::optional<int> pending = session_.newElement()) {
        if (applied) {
            session_.applyNewElement(doc_.NodeTable[*pending]);
        } else {
            session_.discardNewElement();
        }
    }
    restoreCursors();
}

void ElementCommands::NModifyClick() {
    if (session_.view().CurrentNode != -1)
        host_.NModifyClick(false);
}

void ElementCommands::NDelClick() {
    if (session_.view().CurrentNode == -1)
        return;
    session_.deleteElements({session_.view().CurrentNode});
    host_.RequestRedraw();
    restoreCursors();
}

void ElementCommands::NdelSelectedClick() {
    const std::vector<int> &selected = doc_.NodeTable.selectedIndexes();
    if (selected.empty())
        return;
    const int count = int(selected.size());
    const QString question =
        deleteSelectedQuestion(doc_, count, doc_.NodeTable[selected.back()].name);
    if (prompts_.ask(doc_.messages().text(Msg::mRemove), question, false) != Answer::Yes)
        return;
    session_.deleteElements(selected);
    restoreCursors();
    host_.setDelSelectedVisible(false);
}

void ElementCommands::restoreCursors() {
    host_.setScreenCursor(std::nullopt);
    host_.setChartCursor(ChartCursor::HandFlat);
}

}  // namespace kinvarro
