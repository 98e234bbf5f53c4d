#pragma once

#include <QString>
#include <QStringList>

namespace kinvarro {

class Document;

/// Text of element k in the father and mother lists: its name, followed by
/// "(father: ..., mother: ...)" for the parents it has; names on one line.
QString ParentItemText(const Document &doc, int k);

/// The father or mother list: item 0 means no parent, item k+1 is element k.
QStringList ParentListItems(const Document &doc);

/// List item for a parent link, and the link for a list item.
inline int ParentItemForLink(int link) {
    return link + 1;
}
inline int ParentLinkForItem(int item) {
    return item - 1;
}

}  // namespace kinvarro
