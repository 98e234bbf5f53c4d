#include "interaction/chart_search.h"

#include "common/saturating.h"
#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "model/document.h"
#include "prompts/prompts.h"
#include "render/view_geometry.h"
#include "text/doc_text.h"
#include "text/folded_text.h"

namespace kinvarro {

SearchQuery::SearchQuery(QStringView query) {
    AppendFolded(toDocText(query), folded_);
}

bool SearchQuery::occursIn(std::string_view text) const {
    scratch_.clear();
    AppendFolded(text, scratch_);
    return scratch_.find(folded_) != std::string::npos;
}

bool SearchQuery::matches(const tnode &node, bool extended) const {
    if (folded_.empty())
        return false;
    if (occursIn(node.name))
        return true;
    if (!extended)
        return false;
    if (occursIn(node.description))
        return true;
    for (const std::string &entry : node.media) {
        if (occursIn(entry))
            return true;
    }
    return false;
}

ChartSearch::ChartSearch(DocumentSession &session, ChartHost &host, Prompts &prompts)
    : session_(session), doc_(session.doc()), host_(host), prompts_(prompts) {}

ChartSearch::Outcome ChartSearch::sbSearchClick(const QString &query, bool extended) {
    const SearchQuery folded(query);
    for (;;) {
        const int found = folded.empty() ? -1 : findFrom(SearchStart_, folded, extended);
        if (found != -1) {
            show(found);
            return Outcome::Found;
        }
        const MessageTable &m = doc_.messages();
        switch (prompts_.ask(m.text(Msg::mEndOfSearch), m.text(Msg::mSearchFromStart), true)) {
            case Answer::Yes:
                SearchStart_ = 0;
                break;
            case Answer::No:
                host_.hideSearchBar();
                host_.UpdateScrollBars();
                host_.RequestRedraw();
                return Outcome::Closed;
            case Answer::Cancel:
                return Outcome::Kept;
        }
    }
}

int ChartSearch::findFrom(int start, const SearchQuery &query, bool extended) const {
    const ElementTable &table = doc_.NodeTable;
    for (int i = std::max(start, 0); i < table.NodeCount(); ++i) {
        if (query.matches(table[i], extended))
            return i;
    }
    return -1;
}

// Selects the element alone and puts its top-left corner at the view's centre.
void ChartSearch::show(int found) {
    const ElementTable &table = doc_.NodeTable;
    session_.clearSelection();
    session_.setSelected(found, true);
    host_.setDelSelectedVisible(true);
    const float scale = doc_.settings.scale;
    const QSize area = host_.chartAreaSize();
    const tnode &node = table[found];
    session_.view().ViewOriginX =
        SaturatingAdd(ToScreen(SaturatingAdd(0, -std::int64_t(node.x)), scale), area.width() / 2);
    session_.view().ViewOriginY =
        SaturatingAdd(ToScreen(SaturatingAdd(0, -std::int64_t(node.y)), scale), area.height() / 2);
    host_.SyncScrollBarPositions();
    host_.RequestRedraw();
    SearchStart_ = found + 1;
}

}  // namespace kinvarro
