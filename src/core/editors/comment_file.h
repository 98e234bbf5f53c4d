#pragma once

#include <QString>
#include <optional>

#include "common/status.h"

namespace kinvarro {

class MessageTable;

/// Reads a comment file (Windows-1251, CR LF lines) as text with "\n" lines;
/// nullopt when it does not exist or cannot be read. Very large files are cut.
std::optional<QString> ReadCommentFile(const QString &path);

/// Writes `text` as a comment file, replacing any old one. The caller checks
/// beforehand that the text fits Windows-1251.
Status WriteCommentFile(const QString &path, const QString &text, const MessageTable &messages);

/// Caption of the comment editor: "<mCommentFor> - <full path>".
QString CommentEditorCaption(const MessageTable &messages, const QString &fullPath);

}  // namespace kinvarro
