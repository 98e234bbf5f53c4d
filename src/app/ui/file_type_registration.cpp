#include "ui/file_type_registration.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace kinvarro {
namespace {

bool writeFile(const QString &path, const QByteArray &content) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

}  // namespace

bool RegisterFileType(const QString &program) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return false;
    const QByteArray mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-kinvarro\">\n"
        "    <comment>Kinvarro family-tree chart</comment>\n"
        "    <glob pattern=\"*.kvr\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    QString quoted = program;
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    const QByteArray desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Kinvarro\n"
        "Comment=Family-tree chart editor\n"
        "Exec=\"" +
        quoted.toUtf8() +
        "\" %f\n"
        "MimeType=application/x-kinvarro;\n"
        "Categories=Office;\n";
    const bool mimeWritten = writeFile(data + QStringLiteral("/mime/packages/kinvarro.xml"), mime);
    const bool entryWritten =
        writeFile(data + QStringLiteral("/applications/kinvarro.desktop"), desktop);
    return mimeWritten && entryWritten;
}

}  // namespace kinvarro
