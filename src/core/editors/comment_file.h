#pragma once

#include <QString>
#include <optional>

#include "common/status.h"

namespace kinvarro {

class MessageTable;

/// Reads a comment file as text with "\n" lines: UTF-8 after a byte-order
/// mark or when the bytes are valid UTF-8 beyond ASCII, otherwise Windows-1251;
/// nullopt when it does not exist or cannot be read. Very large files are cut.
std::optional<QString> ReadCommentFile(const QString &path);

/// Writes `text` as a comment file with CR LF lines, replacing any old one:
/// Windows-1251 when the text fits it (older programs read only that), UTF-8
/// with a byte-order mark otherwise.
Status WriteCommentFile(const QString &path, const QString &text, const MessageTable &messages);

/// Caption of the comment editor: "<mCommentFor> - <full path>".
QString CommentEditorCaption(const MessageTable &messages, const QString &fullPath);

}  // namespace kinvarro
