#include "interaction/chart_search.h"

#include "common/saturating.h"
#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "model/document.h"
#include "prompts/prompts.h"
#include "render/view_geometry.h"
#include "text/ascii_upper.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

bool contains(std::string_view text, std::string_view upperQuery) {
    return UpperAscii(text).find(upperQuery) != std::string::npos;
}

}  // namespace

bool ElementMatches(const tnode &node, std::string_view upperQuery, bool extended) {
    if (contains(node.name, upperQuery))
        return true;
    if (!extended)
        return false;
    if (contains(node.description, upperQuery))
        return true;
    for (const std::string &entry : node.media) {
        if (contains(entry, upperQuery))
            return true;
    }
    return false;
}

ChartSearch::ChartSearch(DocumentSession &session, ChartHost &host, Prompts &prompts)
    : session_(session), doc_(session.doc()), host_(host), prompts_(prompts) {}

ChartSearch::Outcome ChartSearch::sbSearchClick(const QString &query, bool extended) {
    // An empty query occurs nowhere, and neither does one with a character
    // that no Windows-1251 text can hold.
    const bool searchable = !query.isEmpty() && fitsCp1251(query);
    const std::string upperQuery = searchable ? UpperAscii(toCp1251(query)) : std::string();
    for (;;) {
        const int found = searchable ? findFrom(SearchStart_, upperQuery, extended) : -1;
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

int ChartSearch::findFrom(int start, std::string_view upperQuery, bool extended) const {
    const ElementTable &table = doc_.NodeTable;
    for (int i = std::max(start, 0); i < table.NodeCount(); ++i) {
        if (ElementMatches(table[i], upperQuery, extended))
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
