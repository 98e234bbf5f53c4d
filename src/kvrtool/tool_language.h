#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "settings/language_files.h"

namespace kinvarro {

/// The language file kvrtool speaks in, so that it writes the same labels and
/// messages as the editor. `given` (from --language, any letter case) must name
/// one of `languages`; without it the editor's remembered choice counts when it
/// is listed, else the user's locale: "ru..." takes Russian, any other English,
/// each when listed. Empty: the built-in texts. nullopt: `given` is not listed.
std::optional<QString> ToolLanguageFile(const std::vector<LanguageEntry> &languages,
                                        const QString &given, const QString &remembered,
                                        const QString &locale);

/// The user's message locale: LC_ALL, else LC_MESSAGES, else LANG.
QString MessageLocale();

}  // namespace kinvarro
