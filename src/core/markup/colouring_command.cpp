#include "markup/colouring_command.h"

#include "common/progress_display.h"
#include "common/prompts.h"
#include "common/table_guard.h"
#include "markup/description_colouring.h"
#include "model/document.h"

namespace kinvarro {

ColouringCommand::ColouringCommand(Document &doc, Prompts &prompts, TableGuard &guard,
                                   QTextDocument &scratch)
    : doc_(doc), prompts_(prompts), guard_(guard), scratch_(scratch) {}

void ColouringCommand::NColorElementsClick() {
    const MessageTable &m = doc_.messages();
    if (guard_.refuse(prompts_, m))
        return;
    if (prompts_.ask(m.text(Msg::mStartColoring), m.text(Msg::mStartColoringRequest), false) !=
        Answer::Yes)
        return;

    std::vector<std::string> coloured;
    Status status = Status::success();
    {
        const TableGuard::Lock lock(guard_);
        const ProgressHider hider(progress_);
        if (progress_)
            progress_->show(QStringLiteral("Progress.."), 0, doc_.NodeTable.NodeCount() - 1);
        status = ColourDescriptions(doc_.NodeTable, scratch_, coloured, [this](int i) {
            if (progress_)
                progress_->setPosition(i);
            if (pump_)
                pump_();
        });
    }
    if (!status) {
        prompts_.tell(MessageIcon::Error, m.text(Msg::mError), status.message());
        return;
    }
    store(std::move(coloured));
    prompts_.tell(MessageIcon::Information, m.text(Msg::mEndOfOpperation), m.text(Msg::mSuccess));
}

// The one place the run writes into the document.
void ColouringCommand::store(std::vector<std::string> descriptions) {
    for (int i = 0; i < doc_.NodeTable.NodeCount() && i < int(descriptions.size()); ++i)
        doc_.NodeTable[i].description = std::move(descriptions[std::size_t(i)]);
    doc_.MarkModified();
}

}  // namespace kinvarro
