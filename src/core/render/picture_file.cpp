#include "render/picture_file.h"

#include <QFile>
#include <QImageReader>

#include "common/regular_file.h"
#include "render/picture_limits.h"
#include "render/wmf_picture.h"

namespace kinvarro {

namespace {

// Larger metafiles are not worth previewing.
constexpr qint64 kMaxMetafileBytes = 64 * 1024 * 1024;

}  // namespace

QImage ReadPictureFile(const QString &path) {
    QFile file;
    if (!OpenRegularFile(path, file))
        return {};
    if (LooksLikeWmf(file.peek(32))) {
        if (file.size() > kMaxMetafileBytes)
            return {};
        return RenderWmf(file.readAll());
    }
    const QByteArray head = file.peek(4096);
    if (head.startsWith("BM") && CheckBmpFile(head, file.size()) != BitmapCheck::Fits)
        return {};
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    return ReadImageWithinBudget(reader);
}

}  // namespace kinvarro
