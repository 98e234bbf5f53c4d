#include "persistence/recent_files.h"

namespace kinvarro {

RecentFiles::RecentFiles() : entries_(kSize) {}

void RecentFiles::load(const QStringList &stored) {
    for (int i = 0; i < kSize; ++i)
        entries_[i] = stored.value(i).left(kLongestPath);
}

bool RecentFiles::add(const QString &path) {
    if (entries_[0] == path)
        return false;
    // An entry among the first four moves up; anything else pushes the fifth out.
    qsizetype at = entries_.indexOf(path);
    if (at < 0 || at == kSize - 1)
        at = kSize - 1;
    entries_.removeAt(at);
    entries_.prepend(path);
    return true;
}

bool RecentFiles::remove(const QString &path) {
    const qsizetype at = entries_.indexOf(path);
    if (path.isEmpty() || at < 0)
        return false;
    entries_.removeAt(at);
    entries_.append(QString());
    return true;
}

bool RecentFiles::anyVisible() const {
    for (const QString &entry : entries_) {
        if (!entry.isEmpty())
            return true;
    }
    return false;
}

}  // namespace kinvarro
