#include "themes/theme_list.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/ini_file.h"
#include "themes/theme_file.h"

namespace kinvarro {
namespace {

const QString kThemesFolder = QStringLiteral("themes");

void appendThemes(const QString &folder, bool own, const QString &language,
                  std::vector<ThemeEntry> &entries) {
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(
        {QStringLiteral("*.thm")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        // A FIFO or device named "*.thm" would block the reading of its name.
        if (file.isFile())
            entries.push_back({ThemeDisplayName(file.filePath(), language), file.filePath(), own});
    }
}

}  // namespace

ThemeFolders DefaultThemeFolders(const QString &programFolder) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return {QDir(programFolder).filePath(kThemesFolder),
            data.isEmpty() ? QString() : QDir(data).filePath(kThemesFolder)};
}

QString ThemeDisplayName(const QString &path, const QString &language) {
    const QString fileName = QFileInfo(path).fileName();
    IniFile ini;
    if (!ini.load(path))
        return fileName;
    const QString section = QString::fromLatin1(kThemeSection);
    QString name;
    if (!language.isEmpty())
        name = ini.readString(section, language, QString());
    if (name.isEmpty())
        name = ini.readString(section, QStringLiteral("Name"), QString());
    // An empty name would be an entry nobody can see or click.
    return name.trimmed().isEmpty() ? fileName : name;
}

std::vector<ThemeEntry> ListThemes(const ThemeFolders &folders, const QString &language) {
    std::vector<ThemeEntry> entries;
    appendThemes(folders.shipped, false, language, entries);
    if (QDir(folders.own).absolutePath() != QDir(folders.shipped).absolutePath())
        appendThemes(folders.own, true, language, entries);
    return entries;
}

QStringList UnreadableThemeFolders(const ThemeFolders &folders) {
    QStringList unreadable;
    for (const QString &folder : {folders.shipped, folders.own}) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.exists() &&
            (!info.isDir() || !info.isReadable() || !info.isExecutable()))
            unreadable << QDir::toNativeSeparators(info.absoluteFilePath());
    }
    unreadable.removeDuplicates();
    return unreadable;
}

QString NextThemePath(const QString &folder) {
    // Each name is asked for on its own: a folder that can be written but not listed
    // still shows which names are taken.
    const QDir dir(folder);
    int n = 1;
    while (n < kLastThemeNumber &&
           QFileInfo(dir.filePath(QStringLiteral("user_theme%1.thm").arg(n))).exists())
        ++n;
    return dir.filePath(QStringLiteral("user_theme%1.thm").arg(n));
}

}  // namespace kinvarro
