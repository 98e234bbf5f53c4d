#include "render/picture_file.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "common/regular_file.h"
#include "render/picture_limits.h"
#include "render/wmf_picture.h"

namespace kinvarro {

namespace {

// Larger metafiles are not worth previewing.
constexpr qint64 kMaxMetafileBytes = 64 * 1024 * 1024;

}  // namespace

QImage ReadPictureFile(const QString &path, int metafileSide) {
    QFile file;
    if (!OpenRegularFile(path, file))
        return {};
    if (LooksLikeWmf(file.peek(32))) {
        if (file.size() > kMaxMetafileBytes)
            return {};
        return RenderWmf(file.readAll(), metafileSide);
    }
    const QByteArray head = file.peek(4096);
    if (head.startsWith("BM") && CheckBmpFile(head, file.size()) != BitmapCheck::Fits)
        return {};
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    return ReadImageWithinBudget(reader);
}

bool IsPictureFileName(const QString &name) {
    // The suffix after the last dot of the file's own name, never of a folder's.
    QString extension = QFileInfo(QString(name).replace(u'\\', u'/')).suffix().toLower();
    // JPEG files also go by ".jpe", a name Qt's reader does not list.
    if (extension == QLatin1String("jpe"))
        extension = QStringLiteral("jpeg");
    if (extension.isEmpty())
        return false;
    if (extension == QLatin1String("wmf"))
        return true;
    // The plugins are loaded once; their list does not change while the program runs.
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(extension.toLatin1());
}

}  // namespace kinvarro
