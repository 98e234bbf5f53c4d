#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "model/tnode.h"

namespace kinvarro {

class ChartHost;
class Document;
class DocumentSession;
class Prompts;

/// A search text folded once, tested against elements: the case of letters is
/// ignored in every script ("MÜLLER" finds "Müller", "ΣΩΚΡΆΤΗΣ" "Σωκράτης").
class SearchQuery {
  public:
    explicit SearchQuery(QStringView query);

    /// An empty query occurs nowhere.
    bool empty() const { return folded_.empty(); }

    /// True when the query occurs in the name, or with `extended` in the
    /// description (tags included) or in a media entry.
    bool matches(const tnode &node, bool extended) const;

  private:
    bool occursIn(std::string_view text) const;

    std::string folded_;
    mutable std::string scratch_;  // each text folded in turn, without allocating anew
};

/// The search bar's search: each search continues after the previous find,
/// selects the found element alone and centres the view on it; at the end of
/// the table it asks whether to start again.
class ChartSearch {
  public:
    enum class Outcome {
        Found,
        Closed,  ///< the user declined to start again; the bar is hidden
        Kept     ///< the question was cancelled; the bar stays
    };

    ChartSearch(DocumentSession &session, ChartHost &host, Prompts &prompts);

    /// The next search begins at the first element (`NsearchClick`, `eSearchChange`).
    void restart() { SearchStart_ = 0; }
    int SearchStart() const { return SearchStart_; }

    /// `sbSearchClick` for `query`.
    Outcome sbSearchClick(const QString &query, bool extended);

  private:
    int findFrom(int start, const SearchQuery &query, bool extended) const;
    void show(int found);

    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    Prompts &prompts_;
    int SearchStart_ = 0;
};

}  // namespace kinvarro
