#include "persistence/media_relink.h"

#include <QDir>
#include <QFileInfo>

#include "media/media_paths.h"
#include "model/element_table.h"

namespace kinvarro {
namespace {

bool isRelative(const QString &entry) {
    // "C:\..." names a Windows drive, which no folder of this system holds.
    const bool drive = entry.size() >= 2 && entry[0].isLetter() && entry[1] == u':';
    return !drive && !IsMediaAddress(entry) &&
           !QDir::isAbsolutePath(QString(entry).replace(u'\\', u'/'));
}

// The entry for `file` seen from `folder`, written with the separator of `original`.
QString entryFrom(const QString &folder, const QString &file, const QString &original) {
    MediaEntry entry = MediaEntryFor(file, folder);
    if (entry.relative && original.contains(u'/') && !original.contains(u'\\'))
        entry.entry.replace(u'\\', u'/');
    return entry.entry;
}

}  // namespace

MediaRelink RelinkMedia(const ElementTable &table, const QString &oldFolder,
                        const QString &newFolder) {
    MediaRelink relink;
    if (oldFolder.isEmpty() || oldFolder == newFolder)
        return relink;
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        std::vector<std::string> media = node.media;
        bool changed = false;
        for (std::string &stored : media) {
            const QString entry = MediaEntryFromDocument(stored);
            if (!isRelative(entry))
                continue;
            const QString file = QDir::cleanPath(FullMediaPath(oldFolder, entry));
            if (!QFileInfo(file).isFile()) {
                if (!relink.missing.contains(file))
                    relink.missing << file;
                continue;
            }
            const QString moved = entryFrom(newFolder, file, entry);
            if (moved == entry)
                continue;
            stored = MediaEntryForDocument(moved);
            changed = true;
            ++relink.rewritten;
        }
        if (changed) {
            tnode copy = node;
            copy.media = std::move(media);
            relink.changes.emplace_back(i, std::move(copy));
        }
    }
    return relink;
}

}  // namespace kinvarro
