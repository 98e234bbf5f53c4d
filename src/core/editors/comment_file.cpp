#include "editors/comment_file.h"

#include <QFile>
#include <QSaveFile>

#include "common/regular_file.h"
#include "settings/message_table.h"
#include "settings/write_cause.h"
#include "text/cp1251.h"

namespace kinvarro {

namespace {
// A comment is a note, not a book: reading stops here.
constexpr qint64 kMaxCommentBytes = 4 * 1024 * 1024;
}  // namespace

std::optional<QString> ReadCommentFile(const QString &path) {
    QFile file;
    if (!OpenRegularFile(path, file))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxCommentBytes);
    QString text = fromCp1251(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    // A lone CR ends a line too, so that what is written back reads the same.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Status WriteCommentFile(const QString &path, const QString &text, const MessageTable &messages) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string bytes = toCp1251(lines);
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !CommitSave(file))
        return Status::failure(
            FileProblemText(messages, Msg::mCannotWrite, path, WriteCause(messages, file)));
    return Status::success();
}

QString CommentEditorCaption(const MessageTable &messages, const QString &fullPath) {
    return messages.text(Msg::mCommentFor) + QStringLiteral(" - ") + fullPath;
}

}  // namespace kinvarro
