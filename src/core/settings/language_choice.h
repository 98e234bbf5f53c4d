#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "settings/language_files.h"
#include "settings/machine_store.h"

namespace kinvarro {

/// The language dialog as the language choice sees it.
class LanguagePrompt {
  public:
    virtual ~LanguagePrompt() = default;

    /// Shows the language list modally, selecting the entry named exactly `preselected`
    /// when there is one. Returns the chosen index, or nullopt when cancelled.
    virtual std::optional<int> askLanguage(const QString &preselected) = 0;
};

/// CurrentLanguage and PreviousLanguage with the decisions of the start-up choice and of
/// NLanguageClick. The caller reloads messages and window texts when told to.
class LanguageChoice {
  public:
    /// `languages` is the list FillLanguageList found; `store` and `prompt` must outlive this.
    LanguageChoice(std::vector<LanguageEntry> languages, MachineStore &store,
                   LanguagePrompt &prompt);

    /// The choice at start-up: the remembered language when its file is still listed,
    /// else the only language, else the user's pick, which is remembered. Returns
    /// false when the user cancelled the dialog and the program must end.
    [[nodiscard]] bool chooseAtStartup();

    /// NLanguageClick: returns true when messages and windows must be reloaded from
    /// currentLanguageFile(); a cancelled dialog keeps the language and returns false.
    [[nodiscard]] bool switchLanguage();

    /// False when there is no language file: the menu item NLanguage is hidden.
    bool languageMenuVisible() const { return !languages_.empty(); }

    /// CurrentLanguage: empty when none is chosen.
    const QString &currentLanguage() const { return current_; }
    const QString &previousLanguage() const { return previous_; }

    /// The language file of currentLanguage(); empty when there is none.
    QString currentLanguageFile() const;

    const std::vector<LanguageEntry> &languages() const { return languages_; }

  private:
    const LanguageEntry *findLanguage(const QString &name) const;
    /// Picks without asking when there is one language; nullopt when cancelled.
    std::optional<int> pick();

    std::vector<LanguageEntry> languages_;
    MachineStore &store_;
    LanguagePrompt &prompt_;
    QString current_;
    QString previous_;
};

}  // namespace kinvarro
