#include "editors/rename_move.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "edit/document_session.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "persistence/native_format.h"
#include "settings/write_cause.h"

namespace kinvarro {

namespace {

// The elements of `table` with `from` replaced by `to` in their media lists.
std::vector<std::pair<int, tnode>> renamedEntries(const ElementTable &table, const QString &from,
                                                  const QString &to, int &replaced) {
    const std::string oldEntry = MediaEntryForDocument(from);
    const std::string newEntry = MediaEntryForDocument(to);
    std::vector<std::pair<int, tnode>> changes;
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
    return changes;
}

// Renames a media file and its comment file between two entries, in either
// direction, for undo and redo; the document's file follows.
struct MediaFileMove {
    QString folder;
    QString documentFile;
    QString from;
    QString to;
    const MessageTable *messages;
    std::function<void(const QString &)> report;

    bool operator()(bool forward) const {
        const QString &source = forward ? from : to;
        const QString &target = forward ? to : from;
        const QString sourcePath = FullMediaPath(folder, source);
        const QString targetPath = FullMediaPath(folder, target);
        ClearSystemCause();
        QFile file(sourcePath);
        // QFile::rename never replaces an existing file.
        if (!file.rename(targetPath)) {
            tell(messages->text(Msg::mMediaRenameFailed)
                     .arg(sourcePath, targetPath, WriteCause(*messages, file)));
            return false;
        }
        QFile::rename(CommentFilePath(sourcePath), CommentFilePath(targetPath));
        if (Status st = ReplaceMediaEntryInFile(documentFile, source, target, *messages); !st)
            tell(st.message());
        return true;
    }
    void tell(const QString &text) const {
        if (report)
            report(text);
    }
};

}  // namespace

Status ReplaceMediaEntryInFile(const QString &path, const QString &from, const QString &to,
                               const MessageTable &messages) {
    Document saved;
    saved.setMessages(&messages);
    if (Status st = ReadDocument(path, saved); !st)
        return st;
    int replaced = 0;
    for (auto &[index, node] : renamedEntries(saved.NodeTable, from, to, replaced))
        saved.NodeTable[index] = std::move(node);
    if (replaced == 0)
        return Status::success();
    return WriteDocument(path, saved);
}

RenameResult RenameMediaFile(DocumentSession &session, const QString &from, const QString &to,
                             const std::function<void()> &releaseFile,
                             std::function<void(const QString &)> reportLater) {
    if (to == from)
        return {RenameOutcome::Unchanged, true, {}};
    if (to.isEmpty())
        return {RenameOutcome::EmptyDestination, true, {}};
    if (to.contains(QLatin1Char(';')))
        return {RenameOutcome::Semicolon, true, {}};
    const QString documentFile = session.doc().CurrentFileName;
    if (documentFile.isEmpty())
        return {RenameOutcome::NoDocumentFile, true, {}};
    const QString folder = DocumentFolder(documentFile);
    const QString oldPath = FullMediaPath(folder, from);
    const QString newPath = FullMediaPath(folder, to);
    if (!QFileInfo(oldPath).isFile())
        return {RenameOutcome::SourceMissing, true, {}};
    // QFile::copy never overwrites an existing file.
    if (!QFile::copy(oldPath, newPath))
        return {RenameOutcome::CopyFailed, true, {}};
    if (releaseFile)
        releaseFile();
    RenameResult result{RenameOutcome::Done, true, {}};
    result.oldFileRemoved = QFile::remove(oldPath);
    QFile::rename(CommentFilePath(oldPath), CommentFilePath(newPath));
    const bool wasSaved = !session.modified();
    if (Status st = ReplaceMediaEntryInFile(documentFile, from, to, session.messages()); !st)
        result.savedDocumentError = st.message();
    int replaced = 0;
    auto changes = renamedEntries(session.table(), from, to, replaced);
    // Undo could not reach an editor's list that is not applied yet.
    result.undoable = !changes.empty();
    session.replaceElementsFollowingDisk(
        changes, session.messages().text(Msg::mActRenameMedia),
        MediaFileMove{folder, documentFile, from, to, &session.messages(), std::move(reportLater)});
    // The file and the open document changed alike.
    if (wasSaved && result.savedDocumentError.isEmpty())
        session.markSaved();
    return result;
}

}  // namespace kinvarro
