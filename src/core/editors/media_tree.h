#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kinvarro {

/// One folder or file of the media folder tree.
struct MediaTreeNode {
    QString text;
    std::vector<MediaTreeNode> children;
};

/// The folder tree of the entries, siblings in alphabetical order.
std::vector<MediaTreeNode> BuildMediaTree(const QStringList &entries);

/// The components under which an entry sits in the tree: its path components,
/// below a top-level "/" node for a full path.
QStringList MediaTreeComponents(const QString &entry);

/// Child indexes from the top level to the node of `entry`; empty when a
/// component is missing.
std::vector<int> LocateInMediaTree(const std::vector<MediaTreeNode> &top, const QString &entry);

/// The index of the first entry that sits at the tree node reached through
/// `components` (written with "\" or "/", relative or full); -1 when none does.
int EntryIndexForTreePath(const QStringList &entries, const QStringList &components);

}  // namespace kinvarro
