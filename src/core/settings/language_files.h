#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "settings/ini_file.h"
#include "settings/message_table.h"

namespace kinvarro {

/// One language of the language list: its ".lng" file and its optional flag picture.
struct LanguageEntry {
    QString name;      ///< what CurrentLanguage holds when this language is chosen
    QString filePath;  ///< the language file itself
    QImage flag;       ///< null when the language has no usable flag picture
};

/// Flags larger than this in either direction are not shown.
inline constexpr int kMaxFlagSide = 256;

/// The language name of a language file name: the name up to the first occurrence of
/// its extension (".LNG" in "ENGLISH.LNG" gives "ENGLISH"), compared without case.
QString LanguageNameOf(const QString &fileName);

/// The "*.lng" files of `directory`, any letter case, sorted by file name. Each entry
/// keeps the flag "<name>.bmp" found beside it, or a null image, so that flags stay
/// with their own languages. Files whose language name would be empty are left out.
std::vector<LanguageEntry> FillLanguageList(const QString &directory);

/// Reads the language file at `path` into `file`. Returns an empty text when the file was
/// read, otherwise what is wrong with it and where, in the words of `messages`; `file` is
/// then left empty, so that no half of a broken file is shown. A missing file is no problem.
QString LoadLanguageFile(const QString &path, IniFile &file, const MessageTable &messages);

/// Sets every message from section APP_MSG of `languageFile`; a message whose key is
/// missing gets its built-in default, not the text it had before.
void LoadMessages(MessageTable &messages, const IniFile &languageFile);

}  // namespace kinvarro
