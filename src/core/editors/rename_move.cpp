#include "editors/rename_move.h"

#include <QFile>

#include "editors/media_paths.h"
#include "model/document.h"
#include "text/cp1251.h"

namespace kinvarro {

int ReplaceMediaEntry(Document &doc, const QString &from, const QString &to) {
    const std::string oldEntry = toCp1251(from);
    const std::string newEntry = toCp1251(to);
    int replaced = 0;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i)
        for (std::string &entry : doc.NodeTable[i].media)
            if (entry == oldEntry) {
                entry = newEntry;
                ++replaced;
            }
    return replaced;
}

RenameResult RenameMediaFile(Document &doc, const QString &from, const QString &to,
                             const std::function<void()> &releaseFile) {
    if (to == from)
        return {RenameOutcome::Unchanged};
    if (to.isEmpty())
        return {RenameOutcome::EmptyDestination};
    if (to.contains(QLatin1Char(';')) || !fitsCp1251(to))
        return {RenameOutcome::Unstorable};
    const QString folder = DocumentFolder(doc.CurrentFileName);
    const QString oldPath = FullMediaPath(folder, from);
    const QString newPath = FullMediaPath(folder, to);
    // QFile::copy never overwrites an existing file.
    if (!QFile::copy(oldPath, newPath))
        return {RenameOutcome::CopyFailed};
    if (releaseFile)
        releaseFile();
    RenameResult result{RenameOutcome::Done};
    result.oldFileRemoved = QFile::remove(oldPath);
    QFile::rename(CommentFilePath(oldPath), CommentFilePath(newPath));
    ReplaceMediaEntry(doc, from, to);
    return result;
}

}  // namespace kinvarro
