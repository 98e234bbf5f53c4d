#include "interaction/element_commands.h"

#include "common/prompts.h"
#include "interaction/chart_host.h"
#include "model/document.h"
#include "text/cp1251.h"

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
        .arg(m.text(Msg::mRemoveRequest), m.text(Msg::mElement), fromCp1251(lastName));
}

}  // namespace

PopupMenuItems PopupMenu1Popup(const Document &doc) {
    const bool onElement = doc.CurrentNode != -1;
    return {!onElement, !onElement, onElement, onElement, !onElement};
}

ElementCommands::ElementCommands(Document &doc, ChartHost &host, Prompts &prompts)
    : doc_(doc), host_(host), prompts_(prompts) {}

void ElementCommands::addElement(ElementKind kind) {
    const std::optional<int> added = doc_.AddNode(kind);
    if (!added) {
        prompts_.tell(MessageIcon::Error, doc_.messages().text(Msg::mError),
                      QStringLiteral("The chart already holds %1 elements; no more can be added.")
                          .arg(kMaxNodes));
        return;
    }
    host_.RequestRedraw();
    const std::int32_t id = doc_.NodeTable[*added].id;
    // The editor may already have taken the cancelled element away itself.
    const auto stillThere = [&] {
        return *added == doc_.NodeTable.NodeCount() - 1 && doc_.NodeTable[*added].id == id;
    };
    if (!host_.NModifyClick(true) && stillThere()) {
        // Nothing links to an element that was never applied, so taking it
        // off the end leaves the table as it was.
        doc_.NodeTable.remove(*added);
        doc_.CurrentNode = -1;
        host_.RequestRedraw();
    }
    restoreCursors();
}

void ElementCommands::NModifyClick() {
    if (doc_.CurrentNode != -1)
        host_.NModifyClick(false);
}

void ElementCommands::NDelClick() {
    if (doc_.CurrentNode == -1)
        return;
    doc_.DeleteNode(doc_.CurrentNode);
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
    doc_.DeleteSelectedNodes();
    host_.RequestRedraw();
    restoreCursors();
    host_.setDelSelectedVisible(false);
}

void ElementCommands::restoreCursors() {
    host_.setScreenCursor(std::nullopt);
    host_.setChartCursor(ChartCursor::HandFlat);
}

}  // namespace kinvarro
