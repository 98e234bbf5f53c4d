#include <gtest/gtest.h>
#include <QFile>

#include "settings/language_choice.h"
#include "store_fixture.h"

using namespace kinvarro;

namespace {

/// Answers the language dialog from a script and records what it was asked to pre-select.
class ScriptedPrompt : public LanguagePrompt {
  public:
    explicit ScriptedPrompt(std::vector<std::optional<int>> answers)
        : answers_(std::move(answers)) {}

    std::optional<int> askLanguage(const QString &preselected) override {
        preselections.append(preselected);
        if (next_ >= answers_.size()) {
            ADD_FAILURE() << "the dialog was not expected";
            return std::nullopt;
        }
        return answers_[next_++];
    }

    QStringList preselections;

  private:
    std::vector<std::optional<int>> answers_;
    std::size_t next_ = 0;
};

std::vector<LanguageEntry> languagesNamed(const QStringList &names) {
    std::vector<LanguageEntry> languages;
    for (const QString &name : names)
        languages.push_back(
            {name, QStringLiteral("/program/") + name + QStringLiteral(".lng"), {}});
    return languages;
}

const std::optional<int> kCancel = std::nullopt;

class LanguageChoiceTest : public test::TemporaryConfigHome {};

}  // namespace

TEST_F(LanguageChoiceTest, ChoiceAtStartup) {
    const struct {
        const char *what;
        QStringList languages;
        QString remembered;
        std::vector<std::optional<int>> answers;
        bool proceeds;
        QString current;
        QStringList preselections;
        QString rememberedAfter;
    } cases[] = {
        {"first start asks and remembers",
         {"English", "Russian"},
         "",
         {1},
         true,
         "Russian",
         {""},
         "Russian"},
        {"cancel at the first start ends the program",
         {"English", "Russian"},
         "",
         {kCancel},
         false,
         "",
         {""},
         ""},
        {"a nonsense answer is a cancel", {"English", "Russian"}, "", {2}, false, "", {""}, ""},
        {"the only language is taken without asking",
         {"English"},
         "",
         {},
         true,
         "English",
         {},
         "English"},
        {"no language file: no dialog, no language", {}, "", {}, true, "", {}, ""},
        {"the remembered language is kept",
         {"English", "Russian"},
         "Russian",
         {},
         true,
         "Russian",
         {},
         "Russian"},
        {"a remembered language without its file counts as none",
         {"English", "Russian"},
         "Deutsch",
         {0},
         true,
         "English",
         {""},
         "English"},
        {"remembered names compare exactly",
         {"English", "Russian"},
         "english",
         {1},
         true,
         "Russian",
         {""},
         "Russian"},
        {"a remembered language with no file left", {}, "English", {}, true, "", {}, "English"},
    };
    for (const auto &c : cases) {
        MachineStore store;
        store.setLanguage(c.remembered);
        ScriptedPrompt prompt(c.answers);
        LanguageChoice choice(languagesNamed(c.languages), store, prompt);

        EXPECT_EQ(choice.chooseAtStartup(), c.proceeds) << c.what;
        EXPECT_EQ(choice.currentLanguage(), c.current) << c.what;
        EXPECT_EQ(prompt.preselections, c.preselections) << c.what;
        EXPECT_EQ(MachineStore().language(), c.rememberedAfter) << c.what;
        EXPECT_EQ(choice.languageMenuVisible(), !c.languages.isEmpty()) << c.what;
        const QString expectedFile =
            c.current.isEmpty() ? QString() : QStringLiteral("/program/") + c.current + ".lng";
        EXPECT_EQ(choice.currentLanguageFile(), expectedFile) << c.what;
    }
}

TEST_F(LanguageChoiceTest, SwitchingLanguage) {
    const struct {
        const char *what;
        QStringList languages;
        QString before;
        std::vector<std::optional<int>> answers;
        bool reload;
        QString current;
        QStringList preselections;
        QString written;  // what the switch itself stored
    } cases[] = {
        {"pick another language",
         {"English", "Russian"},
         "English",
         {1},
         true,
         "Russian",
         {"English"},
         "Russian"},
        {"cancel keeps the language and reloads nothing",
         {"English", "Russian"},
         "English",
         {kCancel},
         false,
         "English",
         {"English"},
         ""},
        {"the same language again is reloaded and stored",
         {"English", "Russian"},
         "Russian",
         {1},
         true,
         "Russian",
         {"Russian"},
         "Russian"},
        {"the only language is taken without asking",
         {"English"},
         "English",
         {},
         true,
         "English",
         {},
         "English"},
        {"no language file: nothing to reload", {}, "", {}, false, "", {}, ""},
    };
    for (const auto &c : cases) {
        MachineStore store;
        store.setLanguage(c.before);
        ScriptedPrompt prompt(c.answers);
        LanguageChoice choice(languagesNamed(c.languages), store, prompt);
        ASSERT_TRUE(choice.chooseAtStartup()) << c.what;
        ASSERT_EQ(choice.currentLanguage(), c.before) << c.what;
        QFile::remove(store.filePath());

        EXPECT_EQ(choice.switchLanguage(), c.reload) << c.what;
        EXPECT_EQ(choice.currentLanguage(), c.current) << c.what;
        EXPECT_EQ(choice.previousLanguage(), c.before) << c.what;
        EXPECT_EQ(prompt.preselections, c.preselections) << c.what;
        EXPECT_EQ(MachineStore().language(), c.written) << c.what;
    }
}
