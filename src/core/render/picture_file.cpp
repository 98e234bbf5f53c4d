#include "render/picture_file.h"

#include <QFile>
#include <QImageReader>

#include "render/wmf_picture.h"

namespace kinvarro {

namespace {

// Larger metafiles are not worth previewing.
constexpr qint64 kMaxMetafileBytes = 64 * 1024 * 1024;

}  // namespace

QImage ReadPictureFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (LooksLikeWmf(file.peek(32))) {
        if (file.size() > kMaxMetafileBytes)
            return {};
        return RenderWmf(file.readAll());
    }
    file.close();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

}  // namespace kinvarro
