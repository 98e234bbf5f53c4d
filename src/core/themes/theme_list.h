#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kinvarro {

/// Where themes are found: the ones shipped with the program, read-only once it is
/// installed, and the user's own, where saved themes go.
struct ThemeFolders {
    QString shipped;
    QString own;
};

/// "themes" in the program folder and "themes" in the user's data folder.
ThemeFolders DefaultThemeFolders(const QString &programFolder);

/// One entry of the theme chooser.
struct ThemeEntry {
    QString displayName;
    QString filePath;
    bool own = false;  ///< in the user's own folder, not shipped
};

/// The display name of the theme file at `path` for the interface language `language`:
/// the value of the key named after the language, else of `Name`, else the file name.
QString ThemeDisplayName(const QString &path, const QString &language);

/// The "*.thm" files (any letter case) of the shipped folder, then of the user's own,
/// each sorted by file name.
std::vector<ThemeEntry> ListThemes(const ThemeFolders &folders, const QString &language);

/// The folders of `folders` that exist but cannot be listed, so their themes are missing.
QStringList UnreadableThemeFolders(const ThemeFolders &folders);

/// The numbers of saved themes stop here: past it the last number is used again.
inline constexpr int kLastThemeNumber = 1048576;

/// "user_theme<n>.thm" in `folder` with the first n from 1 whose name no file has yet,
/// asked name by name, so that a folder which cannot be listed gives a free name too.
QString NextThemePath(const QString &folder);

}  // namespace kinvarro
