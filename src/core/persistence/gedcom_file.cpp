#include <QSaveFile>

#include "model/document.h"
#include "persistence/gedcom_writer.h"
#include "settings/write_cause.h"

namespace kinvarro {

Status WriteGedcom(const Document &doc, const QString &path, GedcomEncoding encoding,
                   ProgressDisplay *progress, long long *replaced) {
    const QByteArray image = GedcomFileImage(doc, path, encoding, progress, replaced);
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() ||
        !CommitSave(file)) {
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, path,
                                               WriteCause(doc.messages(), file)));
    }
    return Status::success();
}

QString GedcomExportWarning(const MessageTable &messages, long long replaced) {
    return replaced > 0 ? messages.text(Msg::mExportReplacedCharacters).arg(replaced) : QString();
}

}  // namespace kinvarro
