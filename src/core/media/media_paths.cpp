#include "media/media_paths.h"

#include <QDir>
#include <QRegularExpression>
#include <array>

#include "render/picture_file.h"
#include "text/doc_text.h"

namespace kinvarro {

namespace {

QString UpperExtension(const QString &entry) {
    const QStringList parts = MediaPathComponents(entry);
    if (parts.isEmpty())
        return {};
    const QString &name = parts.last();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

bool OneOf(const QString &extension, std::initializer_list<const char *> list) {
    for (const char *item : list)
        if (extension == QLatin1String(item))
            return true;
    return false;
}

}  // namespace

std::string MediaEntryForDocument(const QString &entry) {
    return entry.toStdString();
}

QString MediaEntryFromDocument(std::string_view stored) {
    return fromDocText(stored);
}

QString DocumentFolder(const QString &currentFileName) {
    const qsizetype slash = currentFileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : currentFileName.left(slash + 1);
}

MediaEntry MediaEntryFor(const QString &filePath, const QString &documentFolder) {
    const qsizetype slash = filePath.lastIndexOf(QLatin1Char('/'));
    const QString folderPart = filePath.left(slash + 1);
    // Exact comparison: a folder written in other letter case counts as outside.
    if (!documentFolder.isEmpty() && folderPart.startsWith(documentFolder)) {
        QString entry = filePath.mid(documentFolder.size());
        entry.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return {entry, true};
    }
    return {filePath, false};
}

QString FullMediaPath(const QString &documentFolder, const QString &entry) {
    QString path = entry;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(path))
        return path;
    return documentFolder + path;
}

QString MediaEntryShown(const QString &entry) {
    return QDir::toNativeSeparators(QString(entry).replace(u'\\', u'/'));
}

bool IsMediaAddress(const QString &entry) {
    // Two letters at least, so that "C:" stays a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(entry).hasMatch();
}

QString CommentFilePath(const QString &fullPath) {
    return fullPath + QStringLiteral(".txt");
}

QStringList MediaPathComponents(const QString &entry) {
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return entry.split(separators, Qt::SkipEmptyParts);
}

MediaGroup MediaGroupOf(const QString &entry) {
    const QString ext = UpperExtension(entry);
    if (OneOf(ext, {".MP3", ".WAV", ".RM", ".RAM", ".VOC", ".VOX", ".AU", ".SMP", ".MID"}))
        return MediaGroup::Sound;
    if (OneOf(ext, {".AVI", ".WMV", ".MPG", ".MPEG"}))
        return MediaGroup::Video;
    if (OneOf(ext, {".DOC", ".TXT", ".RTF"}))
        return MediaGroup::Document;
    if (OneOf(ext,
              {".JPG", ".BMP", ".GIF", ".TIF", ".FAX", ".JPEG", ".JPE", ".ICO", ".CUR", ".WMF"}) ||
        IsPictureFileName(entry))
        return MediaGroup::Picture;
    return MediaGroup::Other;
}

TColor MediaGroupColour(MediaGroup group) {
    switch (group) {
        case MediaGroup::Sound:
            return 0xFF0000;
        case MediaGroup::Video:
            return 0x0000FF;
        case MediaGroup::Document:
            return 0x008000;
        case MediaGroup::Picture:
            return 0x800080;
        case MediaGroup::Other:
            break;
    }
    return -1;
}

bool ShowsPicturePreview(const QString &entry) {
    return IsPictureFileName(entry);
}

bool OffersMediaPlayer(const QString &entry) {
    return OneOf(UpperExtension(entry), {".MP3", ".AVI", ".WMV", ".MPG", ".MPEG"});
}

}  // namespace kinvarro
