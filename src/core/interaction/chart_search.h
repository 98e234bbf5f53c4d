#pragma once

#include <QString>
#include <string_view>

#include "model/tnode.h"

namespace kinvarro {

class ChartHost;
class Document;
class DocumentSession;
class Prompts;

/// True when `upperQuery` (already upper-cased in ASCII, not empty) occurs in
/// the name, or with `extended` in the description (tags included) or in a
/// media entry. Only Latin letters are compared without case.
bool ElementMatches(const tnode &node, std::string_view upperQuery, bool extended);

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
    int findFrom(int start, std::string_view upperQuery, bool extended) const;
    void show(int found);

    DocumentSession &session_;
    const Document &doc_;
    ChartHost &host_;
    Prompts &prompts_;
    int SearchStart_ = 0;
};

}  // namespace kinvarro
