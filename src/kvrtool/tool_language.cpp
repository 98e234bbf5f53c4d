#include "tool_language.h"

namespace kinvarro {
namespace {

const LanguageEntry *find(const std::vector<LanguageEntry> &languages, const QString &name,
                          Qt::CaseSensitivity sensitivity) {
    for (const LanguageEntry &entry : languages) {
        if (entry.name.compare(name, sensitivity) == 0)
            return &entry;
    }
    return nullptr;
}

}  // namespace

std::optional<QString> ToolLanguageFile(const std::vector<LanguageEntry> &languages,
                                        const QString &given, const QString &remembered,
                                        const QString &locale) {
    if (!given.isEmpty()) {
        const LanguageEntry *entry = find(languages, given, Qt::CaseInsensitive);
        return entry ? std::optional(entry->filePath) : std::nullopt;
    }
    // The editor matches the remembered name exactly.
    if (const LanguageEntry *entry = find(languages, remembered, Qt::CaseSensitive);
        entry && !remembered.isEmpty())
        return entry->filePath;
    const bool russian = locale.startsWith(QLatin1String("ru"), Qt::CaseInsensitive);
    const LanguageEntry *entry =
        find(languages, russian ? QStringLiteral("Russian") : QStringLiteral("English"),
             Qt::CaseInsensitive);
    return entry ? entry->filePath : QString();
}

QString MessageLocale() {
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            return value;
    }
    return {};
}

}  // namespace kinvarro
