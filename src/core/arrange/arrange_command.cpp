#include "arrange/arrange_command.h"

#include "arrange/arrange_chart.h"
#include "edit/document_session.h"
#include "prompts/prompts.h"
#include "settings/message_table.h"

namespace kinvarro {

void ArrangeByGenerationsCommand(DocumentSession &session, Prompts &prompts) {
    const ChartArrangement arrangement = ArrangeByGenerations(session.doc());
    std::vector<std::pair<int, tnode>> changes;
    changes.reserve(arrangement.places.size());
    for (const ArrangedPlace &place : arrangement.places) {
        tnode node = session.table()[place.index];
        if (node.x == place.x && node.y == place.y)
            continue;
        node.x = place.x;
        node.y = place.y;
        changes.emplace_back(place.index, std::move(node));
    }
    const MessageTable &m = session.messages();
    if (!changes.empty())
        session.replaceElements(changes, m.text(Msg::mActArrange));
    if (arrangement.brokenLinks > 0) {
        prompts.tell(MessageIcon::Warning, m.text(Msg::mKinvarro),
                     m.text(Msg::mArrangeCycles).arg(arrangement.brokenLinks));
    }
}

}  // namespace kinvarro
