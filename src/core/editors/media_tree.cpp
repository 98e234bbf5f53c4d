#include "editors/media_tree.h"

#include <algorithm>

#include "media/media_paths.h"

namespace kinvarro {

namespace {

const QString kRoot = QStringLiteral("/");

void AddPath(std::vector<MediaTreeNode> &top, const QStringList &components) {
    std::vector<MediaTreeNode> *level = &top;
    for (const QString &component : components) {
        auto found = std::find_if(level->begin(), level->end(),
                                  [&](const MediaTreeNode &n) { return n.text == component; });
        if (found == level->end()) {
            level->push_back(MediaTreeNode{component, {}});
            found = level->end() - 1;
        }
        level = &found->children;
    }
}

void SortLevels(std::vector<MediaTreeNode> &level) {
    std::sort(level.begin(), level.end(), [](const MediaTreeNode &a, const MediaTreeNode &b) {
        return QString::localeAwareCompare(a.text, b.text) < 0;
    });
    for (MediaTreeNode &node : level)
        SortLevels(node.children);
}

}  // namespace

std::vector<MediaTreeNode> BuildMediaTree(const QStringList &entries) {
    std::vector<MediaTreeNode> top;
    for (const QString &entry : entries)
        AddPath(top, MediaTreeComponents(entry));
    SortLevels(top);
    return top;
}

std::vector<int> LocateInMediaTree(const std::vector<MediaTreeNode> &top, const QString &entry) {
    std::vector<int> path;
    const std::vector<MediaTreeNode> *level = &top;
    for (const QString &component : MediaTreeComponents(entry)) {
        auto found = std::find_if(level->begin(), level->end(),
                                  [&](const MediaTreeNode &n) { return n.text == component; });
        if (found == level->end())
            return {};
        path.push_back(int(found - level->begin()));
        level = &found->children;
    }
    return path;
}

QStringList MediaTreeComponents(const QString &entry) {
    QStringList components = MediaPathComponents(entry);
    if (entry.startsWith(kRoot))
        components.prepend(kRoot);
    return components;
}

int EntryIndexForTreePath(const QStringList &entries, const QStringList &components) {
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (MediaTreeComponents(entries[i]) == components)
            return int(i);
    return -1;
}

}  // namespace kinvarro
