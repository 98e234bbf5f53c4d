#pragma once

#include <QString>
#include <functional>

namespace kinvarro {

class DocumentSession;

/// Outcome of renaming or moving a media file on disk.
enum class RenameOutcome {
    Unchanged,         ///< the new entry equals the old one
    EmptyDestination,  ///< no new entry given: ask again
    Unstorable,        ///< the new entry has ";" or characters Windows-1251 cannot hold: ask again
    CopyFailed,        ///< the copy failed (missing folder, existing file): ask again
    Done,
};

struct RenameResult {
    RenameOutcome outcome = RenameOutcome::Unchanged;
    bool oldFileRemoved = true;  ///< false: both files now exist
};

/// Renames the file of entry `from` to entry `to` below the document folder:
/// copies without overwriting, calls `releaseFile` (the player lets go of it),
/// deletes the old file, moves its comment file along and replaces `from` by
/// `to` in every element's media.
RenameResult RenameMediaFile(DocumentSession &session, const QString &from, const QString &to,
                             const std::function<void()> &releaseFile = {});

/// Replaces every media entry equal to `from` in every element; returns how many.
int ReplaceMediaEntry(DocumentSession &session, const QString &from, const QString &to);

}  // namespace kinvarro
