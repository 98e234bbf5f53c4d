#include <QSaveFile>

#include "model/document.h"
#include "persistence/gedcom_writer.h"

namespace kinvarro {

Status WriteGedcom(const Document &doc, const QString &path, GedcomEncoding encoding,
                   ProgressDisplay *progress) {
    const QByteArray image = GedcomFileImage(doc, path, encoding, progress);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        return Status::failure(
            QStringLiteral("%1 \"%2\": %3")
                .arg(doc.messages().text(Msg::mCannotWrite), path, file.errorString()));
    }
    return Status::success();
}

}  // namespace kinvarro
