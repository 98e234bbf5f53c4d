#pragma once

#include <QString>
#include <functional>

#include "edit/document_session.h"
#include "prompts/prompts.h"
#include "themes/theme_list.h"

namespace kinvarro {

/// The "Темы" commands: save the current display settings as a theme, and apply a
/// chosen theme as one undoable change.
class ThemeCommands {
  public:
    /// `currentLanguage` gives the interface language, which picks the display names.
    ThemeCommands(DocumentSession &session, Prompts &prompts, ThemeFolders folders,
                  std::function<QString()> currentLanguage);

    /// `NSaveThemeClick`: asks for a name and writes a new theme into the user's own
    /// folder, creating it. Does not mark the document modified. Returns the path of
    /// the theme written, empty when cancelled or failed (the failure is reported).
    QString NSaveThemeClick();

    /// `NLoadThemeClick`: lets the user pick a theme and applies it. A theme that
    /// cannot be read whole is reported and changes nothing. Returns whether it applied.
    bool NLoadThemeClick();

    const ThemeFolders &folders() const { return folders_; }

  private:
    DocumentSession &session_;
    Prompts &prompts_;
    ThemeFolders folders_;
    std::function<QString()> currentLanguage_;
};

}  // namespace kinvarro
