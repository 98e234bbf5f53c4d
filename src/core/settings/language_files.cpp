#include "settings/language_files.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>

namespace kinvarro {
namespace {

// Names compare as Windows compares them, without case; the exact spelling breaks
// ties so that the order never depends on the file system.
bool byFileName(const QString &a, const QString &b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// The entry of `files` named `wanted`, preferring the exact spelling; empty when none.
QString findFile(const QStringList &files, const QString &wanted) {
    if (files.contains(wanted))
        return wanted;
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return file;
    }
    return QString();
}

QImage loadFlag(const QString &path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxFlagSide || size.height() > kMaxFlagSide)
        return QImage();
    return reader.read();
}

// Bytes no text file holds: controls other than tab, line ends and the old end-of-file mark.
bool isBinary(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\x1A';
}

// What is wrong with the content of a language file, worded with the line it is on.
QString contentProblem(const QByteArray &bytes, const MessageTable &messages) {
    int lineNumber = 1;
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(lineStart, lineEnd - lineStart);
        if (std::any_of(line.begin(), line.end(), isBinary))
            return messages.text(Msg::mLanguageFileBinary).arg(lineNumber);
        const QByteArrayView trimmed = line.trimmed();
        if (trimmed.startsWith('[') && !trimmed.contains(']'))
            return messages.text(Msg::mLanguageFileUnclosedSection).arg(lineNumber);
        lineStart = lineEnd + 1;
        ++lineNumber;
    }
    return QString();
}

}  // namespace

QString LoadLanguageFile(const QString &path, IniFile &file, const MessageTable &messages) {
    file = IniFile();
    QFile source(path);
    if (!source.exists())
        return QString();
    const auto problem = [&](const QString &reason) {
        return messages.text(Msg::mLanguageFileProblem).arg(QDir::toNativeSeparators(path), reason);
    };
    if (!source.open(QIODevice::ReadOnly))
        return problem(source.errorString());
    // One byte more than allowed tells an oversized file without reading it whole.
    const QByteArray bytes = source.read(IniFile::kMaxFileSize + 1);
    if (source.error() != QFileDevice::NoError)
        return problem(source.errorString());
    if (bytes.size() > IniFile::kMaxFileSize)
        return problem(
            messages.text(Msg::mLanguageFileTooLarge).arg(IniFile::kMaxFileSize / (1024 * 1024)));
    if (const QString where = contentProblem(bytes, messages); !where.isEmpty())
        return problem(where);
    file = IniFile::fromBytes(bytes);
    return QString();
}

QString LanguageNameOf(const QString &fileName) {
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return fileName;
    return fileName.left(fileName.indexOf(QStringView(fileName).mid(dot), 0, Qt::CaseInsensitive));
}

std::vector<LanguageEntry> FillLanguageList(const QString &directory) {
    const QDir dir(directory);
    QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    std::sort(files.begin(), files.end(), byFileName);

    std::vector<LanguageEntry> languages;
    for (const QString &file : std::as_const(files)) {
        if (!file.endsWith(QLatin1String(".lng"), Qt::CaseInsensitive))
            continue;
        LanguageEntry entry;
        entry.name = LanguageNameOf(file);
        if (entry.name.isEmpty())
            continue;
        entry.filePath = dir.filePath(file);
        const QString flag = findFile(files, entry.name + QLatin1String(".bmp"));
        if (!flag.isEmpty())
            entry.flag = loadFlag(dir.filePath(flag));
        languages.push_back(std::move(entry));
    }
    return languages;
}

void LoadMessages(MessageTable &messages, const IniFile &languageFile) {
    for (int i = 0; i < kMessageCount; ++i) {
        const Msg message = Msg(i);
        messages.setText(message, languageFile.readString(
                                      u"APP_MSG", QString::fromLatin1(MessageTable::key(message)),
                                      MessageTable::defaultText(message)));
    }
}

}  // namespace kinvarro
