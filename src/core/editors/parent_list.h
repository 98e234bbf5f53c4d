#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kinvarro {

class Document;

/// Text of element k in the father and mother lists: its name, followed by
/// "(father: ..., mother: ...)" for the parents it has; names on one line.
QString ParentItemText(const Document &doc, int k);

/// The father or mother list: item 0 means no parent, item k+1 is element k.
QStringList ParentListItems(const Document &doc);

/// Narrows the father and mother lists to what the user types: element k's
/// item stays when its name contains the typed text in any letter case;
/// item 0 (no parent) always stays. The names are prepared once per list.
class ParentListFilter {
  public:
    ParentListFilter() = default;
    explicit ParentListFilter(const Document &doc);

    /// The item indexes to show for `typed`, in list order; every item when
    /// nothing but spaces is typed.
    std::vector<int> shownItems(const QString &typed) const;

  private:
    std::vector<QString> foldedNames_;
};

/// List item for a parent link, and the link for a list item.
inline int ParentItemForLink(int link) {
    return link + 1;
}
inline int ParentLinkForItem(int item) {
    return item - 1;
}

}  // namespace kinvarro
