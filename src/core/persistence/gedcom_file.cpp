#include <QSaveFile>

#include "model/document.h"
#include "persistence/gedcom_writer.h"

namespace kinvarro {

Status WriteGedcom(const Document &doc, const QString &path, GedcomEncoding encoding,
                   ProgressDisplay *progress) {
    QByteArray image;
    if (Status status = GedcomFileImage(doc, path, encoding, image, progress); !status)
        return status;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        return Status::failure(
            QStringLiteral("%1 \"%2\": %3")
                .arg(doc.messages().text(Msg::mCannotWrite), path, file.errorString()));
    }
    return Status::success();
}

}  // namespace kinvarro
