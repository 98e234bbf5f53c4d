#include "display/theme_commands.h"

#include <QDir>

#include "themes/theme_file.h"

namespace kinvarro {

ThemeCommands::ThemeCommands(DocumentSession &session, Prompts &prompts, ThemeFolders folders,
                             std::function<QString()> currentLanguage)
    : session_(session),
      prompts_(prompts),
      folders_(std::move(folders)),
      currentLanguage_(std::move(currentLanguage)) {}

QString ThemeCommands::NSaveThemeClick() {
    const std::optional<QString> name = prompts_.askThemeName();
    if (!name)
        return {};
    const MessageTable &m = session_.messages();
    auto fail = [&](const QString &why) {
        prompts_.tell(MessageIcon::Error, m.text(Msg::mError),
                      m.text(Msg::mThemeNotSaved) + u'\n' + why);
        return QString();
    };
    if (folders_.own.isEmpty() || !QDir().mkpath(folders_.own)) {
        return fail(m.text(Msg::mCannotWrite) + QStringLiteral(":\n") +
                    QDir::toNativeSeparators(folders_.own));
    }
    const QString path = NextThemePath(folders_.own);
    if (Status st = WriteTheme(path, *name, session_.settings(), m); !st)
        return fail(st.message());
    return path;
}

bool ThemeCommands::NLoadThemeClick() {
    const MessageTable &m = session_.messages();
    const std::vector<ThemeEntry> entries = ListThemes(folders_, currentLanguage_());
    const QStringList unreadable = UnreadableThemeFolders(folders_);
    const QString notice =
        unreadable.isEmpty() ? QString()
                             : m.text(Msg::mThemeFolderUnreadable) + u'\n' + unreadable.join(u'\n');
    const std::optional<int> chosen = prompts_.chooseTheme(entries, notice);
    if (!chosen || *chosen < 0 || *chosen >= int(entries.size()))
        return false;
    DocumentSettings themed;
    if (Status st =
            ReadTheme(entries[std::size_t(*chosen)].filePath, session_.settings(), m, themed);
        !st) {
        prompts_.tell(MessageIcon::Error, m.text(Msg::mError),
                      m.text(Msg::mThemeNotApplied) + u'\n' + st.message());
        return false;
    }
    session_.changeSettings(std::move(themed), m.text(Msg::mActTheme));
    return true;
}

}  // namespace kinvarro
