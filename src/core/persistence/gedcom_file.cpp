#include <QSaveFile>

#include "model/document.h"
#include "persistence/gedcom_writer.h"
#include "settings/write_cause.h"

namespace kinvarro {

Status WriteGedcom(const Document &doc, const QString &path, GedcomEncoding encoding,
                   ProgressDisplay *progress) {
    const QByteArray image = GedcomFileImage(doc, path, encoding, progress);
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() ||
        !CommitSave(file)) {
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, path,
                                               WriteCause(doc.messages(), file)));
    }
    return Status::success();
}

}  // namespace kinvarro
