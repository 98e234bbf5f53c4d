// Any bytes as a picture's comment file: the text read is written back and
// reads again unchanged.
#include <cstdint>

#include "editors/comment_file.h"
#include "fuzz_support.h"
#include "hints/picture_comment.h"
#include "settings/message_table.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString picture = fuzz::Scratch().filePath(QStringLiteral("photo.jpg"));
    const QString path =
        fuzz::WriteScratchFile(QStringLiteral("photo.jpg.txt"), fuzz::Bytes(data, size));
    const std::optional<QString> text = ReadCommentFile(path);
    if (!text)
        fuzz::Broken("a comment file that exists does not read");
    (void)PictureComment(picture);
    static const MessageTable messages;
    if (!WriteCommentFile(path, *text, messages).ok())
        fuzz::Broken("a comment cannot be written back");
    if (ReadCommentFile(path) != text)
        fuzz::Broken("a comment written back reads otherwise");
    return 0;
}
