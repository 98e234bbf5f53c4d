#include "hints/picture_comment.h"

#include "editors/comment_file.h"

namespace kinvarro {
namespace {

// A tooltip is a glance, not a reader: a longer comment is cut here.
constexpr qsizetype kMaxCommentChars = 8000;

}  // namespace

QString PictureComment(const QString &picturePath) {
    if (picturePath.isEmpty())
        return {};
    std::optional<QString> text = ReadCommentFile(picturePath + QStringLiteral(".txt"));
    if (!text)
        return {};
    QString comment = text->left(kMaxCommentChars);
    // Read line by line: the break that ends the last line starts no new one.
    if (comment.endsWith(QLatin1Char('\n')))
        comment.chop(1);
    return comment;
}

}  // namespace kinvarro
