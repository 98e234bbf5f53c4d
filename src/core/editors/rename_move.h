#pragma once

#include <QString>
#include <functional>

#include "common/status.h"

namespace kinvarro {

class DocumentSession;
class MessageTable;

/// Outcome of renaming or moving a media file on disk.
enum class RenameOutcome {
    Unchanged,         ///< the new entry equals the old one
    EmptyDestination,  ///< no new entry given: ask again
    Semicolon,         ///< the new entry has ";", which separates entries in the file: ask again
    CopyFailed,        ///< the copy failed (missing folder, existing file): ask again
    SourceMissing,     ///< the file to rename does not exist (any more)
    NoDocumentFile,    ///< the document was never saved: a relative name has no folder
    Done,
};

struct RenameResult {
    RenameOutcome outcome = RenameOutcome::Unchanged;
    bool oldFileRemoved = true;  ///< false: both files now exist
    /// Why the saved document could not be brought in line with the disk; empty when it was.
    QString savedDocumentError;
    /// False when no element of the chart holds the entry yet (only an editor's list
    /// not applied): the rename is then no step of the history.
    bool undoable = true;
};

/// Renames the file of entry `from` to entry `to` below the document folder:
/// copies without overwriting, calls `releaseFile` (the player lets go of it),
/// deletes the old file and moves its comment file along. Then the document's
/// file gets `to` for `from` in every element (only what it holds: edits not
/// applied or saved stay out of it), and so does the open document, as one
/// step of the history. A document that was saved stays saved.
/// Undo renames the files back and redo renames them again, the document's
/// file along; when that fails, `reportLater` gets the message and the elements
/// keep naming the file where it is.
RenameResult RenameMediaFile(DocumentSession &session, const QString &from, const QString &to,
                             const std::function<void()> &releaseFile = {},
                             std::function<void(const QString &)> reportLater = {});

/// The same in the document file `path`, which is read and written back.
/// Its messages are in the language of `messages`.
Status ReplaceMediaEntryInFile(const QString &path, const QString &from, const QString &to,
                               const MessageTable &messages);

}  // namespace kinvarro
