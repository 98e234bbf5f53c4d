#include <QFile>
#include <QSaveFile>

#include "model/document.h"
#include "persistence/native_format.h"
#include "settings/write_cause.h"

namespace kinvarro {
namespace {

// Far above any chart of 10000 elements; keeps a wrong file from exhausting memory.
constexpr qint64 kLargestDocumentFile = qint64(1) << 30;

}  // namespace

Status ReadDocument(const QString &path, Document &loaded, QStringList *warnings) {
    const MessageTable &m = loaded.messages();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(FileProblemText(m, Msg::mCannotReadFile, path, file.errorString()));
    }
    if (file.size() > kLargestDocumentFile)
        return Status::failure(m.text(Msg::mFileTooLarge).arg(path).arg(file.size()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Status::failure(FileProblemText(m, Msg::mCannotReadFile, path, file.errorString()));

    return readNativeDocument(bytes, loaded, warnings);
}

Status WriteDocument(const QString &path, const Document &doc) {
    QByteArray bytes;
    if (Status st = writeNativeDocument(doc, bytes); !st)
        return st;
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !CommitSave(file)) {
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, path,
                                               WriteCause(doc.messages(), file)));
    }
    return Status::success();
}

}  // namespace kinvarro
