#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "model/tnode.h"

namespace kinvarro {

/// File-type groups of media entries, in the order of their tree icons.
enum class MediaGroup { Document, Picture, Sound, Video, Other };

/// A media entry as the document holds it: UTF-8 spelled exactly as the file
/// system names the file. Unlike the other texts it is not brought into NFC: a
/// file named in decomposed form ("e" and U+0308) is only found by that spelling.
std::string MediaEntryForDocument(const QString &entry);
QString MediaEntryFromDocument(std::string_view stored);

/// The folder of the document file with a trailing "/", or empty without a file.
QString DocumentFolder(const QString &currentFileName);

/// How a chosen file is stored: below the document folder as a relative entry
/// written with "\", otherwise as its full path.
struct MediaEntry {
    QString entry;
    bool relative = false;
};
MediaEntry MediaEntryFor(const QString &filePath, const QString &documentFolder);

/// The file an entry names: the document folder followed by the entry, read with
/// "\" or "/" as separator; an absolute entry names itself.
QString FullMediaPath(const QString &documentFolder, const QString &entry);

/// An entry as the media list shows it: with this system's separator, so "photos\\zoe.jpg"
/// reads "photos/zoe.jpg" on Linux. The entry itself is stored as it was.
QString MediaEntryShown(const QString &entry);

/// True for an address such as "http://..." or "mailto:...", which names no file.
bool IsMediaAddress(const QString &entry);

/// The comment file beside a media file.
QString CommentFilePath(const QString &fullPath);

/// Path components: the runs between "\" and "/", empty ones skipped.
QStringList MediaPathComponents(const QString &entry);

MediaGroup MediaGroupOf(const QString &entry);
/// The list text colour of a group (0x00BBGGRR); -1 for the list's own colour.
TColor MediaGroupColour(MediaGroup group);
/// Whether the preview shows a picture, or offers the media player.
bool ShowsPicturePreview(const QString &entry);
bool OffersMediaPlayer(const QString &entry);

}  // namespace kinvarro
