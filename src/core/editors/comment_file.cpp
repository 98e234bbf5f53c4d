#include "editors/comment_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "common/regular_file.h"
#include "settings/message_table.h"
#include "settings/write_cause.h"
#include "text/cp1251.h"
#include "text/doc_text.h"

namespace kinvarro {

namespace {
// A comment is a note, not a book: reading stops here.
constexpr qint64 kMaxCommentBytes = 4 * 1024 * 1024;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool hasHighBytes(QByteArrayView bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

// UTF-8 with letters beyond ASCII. Windows-1251 text almost never reads so: its
// letters (0xC0-0xFF) would each have to be followed by 0x80-0xBF punctuation.
bool isUtf8Text(QByteArrayView bytes) {
    if (!hasHighBytes(bytes))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);  // the decoding runs here
    return !decoder.hasError();
}

// A file cut at the reading limit may end inside a UTF-8 sequence; the
// sequence's bytes before the cut are left out.
QByteArrayView withoutCutSequence(QByteArrayView bytes) {
    qsizetype start = bytes.size();
    while (start > 0 && bytes.size() - start < 4 &&
           (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start > 0 && static_cast<unsigned char>(bytes[start - 1]) >= 0xC0)
        return bytes.first(start - 1);
    return bytes;
}

QString decodeComment(QByteArrayView bytes, bool cut) {
    if (bytes.startsWith(kUtf8Bom))
        return textFromUtf8(bytes.sliced(kUtf8Bom.size()));
    // Another program may write UTF-8 without the mark.
    const QByteArrayView whole = cut ? withoutCutSequence(bytes) : bytes;
    if (isUtf8Text(whole))
        return QString::fromUtf8(whole);
    return fromCp1251(std::string_view(bytes.data(), std::size_t(bytes.size())));
}

// Windows-1251 as comment files have always been, so that older programs still
// read them; UTF-8 with its mark when the code page lacks a character (or when
// the Windows-1251 bytes would read back as UTF-8).
QByteArray encodeComment(const QString &lines) {
    if (fitsCp1251(lines)) {
        const QByteArray bytes = QByteArray::fromStdString(toCp1251(lines));
        if (!isUtf8Text(bytes) && !bytes.startsWith(kUtf8Bom))
            return bytes;
    }
    return kUtf8Bom.toByteArray() + lines.toUtf8();
}

}  // namespace

std::optional<QString> ReadCommentFile(const QString &path) {
    QFile file;
    if (!OpenRegularFile(path, file))
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxCommentBytes);
    QString text = decodeComment(bytes, !file.atEnd());
    // A lone CR ends a line too, so that what is written back reads the same.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Status WriteCommentFile(const QString &path, const QString &text, const MessageTable &messages) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = encodeComment(lines);
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !CommitSave(file))
        return Status::failure(
            FileProblemText(messages, Msg::mCannotWrite, path, WriteCause(messages, file)));
    return Status::success();
}

QString CommentEditorCaption(const MessageTable &messages, const QString &fullPath) {
    return messages.text(Msg::mCommentFor) + QStringLiteral(" - ") + fullPath;
}

}  // namespace kinvarro
