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

/// Child indexes from the top level to the node of `entry`; empty when a
/// component is missing.
std::vector<int> LocateInMediaTree(const std::vector<MediaTreeNode> &top, const QString &entry);

/// The list entry a file node stands for: its components joined with "\".
QString EntryForTreePath(const QStringList &components);

}  // namespace kinvarro
