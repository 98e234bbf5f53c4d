#include "editors/rename_move.h"

#include <QFile>
#include <algorithm>

#include "edit/document_session.h"
#include "editors/media_paths.h"
#include "model/document.h"
#include "text/cp1251.h"

namespace kinvarro {

int ReplaceMediaEntry(DocumentSession &session, const QString &from, const QString &to) {
    const std::string oldEntry = toCp1251(from);
    const std::string newEntry = toCp1251(to);
    const ElementTable &table = session.table();
    std::vector<std::pair<int, tnode>> changes;
    int replaced = 0;
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (std::find(table[i].media.begin(), table[i].media.end(), oldEntry) ==
            table[i].media.end())
            continue;
        tnode node = table[i];
        for (std::string &entry : node.media)
            if (entry == oldEntry) {
                entry = newEntry;
                ++replaced;
            }
        changes.emplace_back(i, std::move(node));
    }
    session.replaceElements(changes, session.messages().text(Msg::mActRenameMedia));
    return replaced;
}

RenameResult RenameMediaFile(DocumentSession &session, const QString &from, const QString &to,
                             const std::function<void()> &releaseFile) {
    if (to == from)
        return {RenameOutcome::Unchanged};
    if (to.isEmpty())
        return {RenameOutcome::EmptyDestination};
    if (to.contains(QLatin1Char(';')) || !fitsCp1251(to))
        return {RenameOutcome::Unstorable};
    const QString folder = DocumentFolder(session.doc().CurrentFileName);
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
    ReplaceMediaEntry(session, from, to);
    return result;
}

}  // namespace kinvarro
