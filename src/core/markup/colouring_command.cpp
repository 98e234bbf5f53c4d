#include "markup/colouring_command.h"

#include "edit/document_session.h"
#include "markup/description_colouring.h"
#include "model/document.h"
#include "prompts/progress_display.h"
#include "prompts/prompts.h"
#include "prompts/table_guard.h"

namespace kinvarro {

ColouringCommand::ColouringCommand(DocumentSession &session, Prompts &prompts, TableGuard &guard,
                                   QTextDocument &scratch)
    : session_(session), prompts_(prompts), guard_(guard), scratch_(scratch) {}

void ColouringCommand::NColorElementsClick() {
    const MessageTable &m = session_.messages();
    if (guard_.refuse(prompts_, m))
        return;
    if (prompts_.ask(m.text(Msg::mStartColoring), m.text(Msg::mStartColoringRequest), false) !=
        Answer::Yes)
        return;

    std::vector<std::string> coloured;
    {
        const TableGuard::Lock lock(guard_);
        const ProgressHider hider(progress_);
        if (progress_)
            progress_->show(session_.messages().text(Msg::mProgress), 0,
                            session_.table().NodeCount() - 1);
        coloured = ColourDescriptions(session_.table(), scratch_, [this](int i) {
            if (progress_)
                progress_->setPosition(i);
            if (pump_)
                pump_();
        });
    }
    store(std::move(coloured));
    prompts_.tell(MessageIcon::Information, m.text(Msg::mEndOfOpperation), m.text(Msg::mSuccess));
}

// The one place the run writes into the document: one step, holding only the
// elements whose description changed.
void ColouringCommand::store(std::vector<std::string> descriptions) {
    const ElementTable &table = session_.table();
    std::vector<std::pair<int, tnode>> changes;
    for (int i = 0; i < table.NodeCount() && i < int(descriptions.size()); ++i) {
        if (table[i].description == descriptions[std::size_t(i)])
            continue;
        tnode node = table[i];
        node.description = std::move(descriptions[std::size_t(i)]);
        changes.emplace_back(i, std::move(node));
    }
    session_.replaceElements(changes, session_.messages().text(Msg::mActColouring));
    // Even a run that changed nothing counts as done to the document.
    if (changes.empty())
        session_.markModified();
}

}  // namespace kinvarro
