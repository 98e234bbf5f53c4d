#include "settings/language_choice.h"

namespace kinvarro {

LanguageChoice::LanguageChoice(std::vector<LanguageEntry> languages, MachineStore &store,
                               LanguagePrompt &prompt)
    : languages_(std::move(languages)), store_(store), prompt_(prompt) {}

bool LanguageChoice::chooseAtStartup() {
    current_ = store_.language();
    // A remembered language whose file is gone counts as none, also when no
    // language file is left at all.
    if (!findLanguage(current_))
        current_.clear();
    if (!current_.isEmpty() || languages_.empty())
        return true;
    const std::optional<int> chosen = pick();
    if (!chosen)
        return false;
    current_ = languages_[std::size_t(*chosen)].name;
    store_.setLanguage(current_);
    return true;
}

bool LanguageChoice::switchLanguage() {
    previous_ = current_;
    current_.clear();
    if (languages_.empty())
        return false;
    const std::optional<int> chosen = pick();
    if (!chosen) {
        current_ = previous_;
        return false;
    }
    current_ = languages_[std::size_t(*chosen)].name;
    store_.setLanguage(current_);
    return true;
}

QString LanguageChoice::currentLanguageFile() const {
    const LanguageEntry *entry = findLanguage(current_);
    return entry ? entry->filePath : QString();
}

const LanguageEntry *LanguageChoice::findLanguage(const QString &name) const {
    if (name.isEmpty())
        return nullptr;
    for (const LanguageEntry &entry : languages_) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

std::optional<int> LanguageChoice::pick() {
    if (languages_.size() == 1)
        return 0;
    const std::optional<int> chosen = prompt_.askLanguage(previous_);
    if (!chosen || *chosen < 0 || std::size_t(*chosen) >= languages_.size())
        return std::nullopt;
    return chosen;
}

}  // namespace kinvarro
