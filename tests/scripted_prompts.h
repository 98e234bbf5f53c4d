#pragma once

#include <QStringList>
#include <deque>
#include <vector>

#include "prompts/prompts.h"
#include "themes/theme_list.h"

namespace kinvarro::test {

/// Answers questions and file dialogs from queues and records every message shown.
class ScriptedPrompts : public Prompts {
  public:
    std::deque<Answer> answers;
    std::deque<FileChoice> files;  ///< an empty path cancels the dialog
    QStringList asked;             ///< "caption|text" of each question
    QStringList told;              ///< "caption|text" of each message
    /// Answers of the interval dialog; nullopt closes it without applying.
    std::deque<std::optional<std::int32_t>> intervals;
    std::vector<std::int32_t> intervalsShown;  ///< the value each interval dialog opened with
    int fileDialogs = 0;
    std::deque<QStringList> fileLists;            ///< an empty list cancels
    std::deque<std::optional<TColor>> colours;    ///< nullopt cancels
    std::deque<std::optional<FontChoice>> fonts;  ///< nullopt cancels
    int colourDialogs = 0;
    int fontDialogs = 0;
    std::vector<TColor> coloursShown;             ///< the colour each colour dialog opened with
    std::vector<ColourDialogForm> colourForms;    ///< the form each colour dialog opened in
    std::vector<FontChoice> fontsShown;           ///< what each font dialog opened with
    std::deque<QString> themeNames;               ///< a null string cancels
    std::deque<std::optional<int>> themeChoices;  ///< nullopt cancels
    std::vector<std::vector<ThemeEntry>> themeListsShown;
    QStringList themeNotices;
    /// The layouts offered first at each import, and the answers to give (the offered one when
    /// none).
    std::vector<ImportLayout> layoutsOffered;
    std::deque<std::optional<ImportLayout>> importLayouts;

    Answer ask(const QString &caption, const QString &text, bool) override {
        asked << caption + '|' + text;
        return take(answers, Answer::Cancel);
    }
    void tell(MessageIcon, const QString &caption, const QString &text) override {
        told << caption + '|' + text;
    }
    std::optional<FileChoice> chooseFileToOpen(const QString &, const QString &,
                                               const QString &) override {
        return nextFile();
    }
    std::optional<FileChoice> chooseFileToSave(const QString &, const QString &, const QString &,
                                               int) override {
        return nextFile();
    }

    std::optional<std::int32_t> askInterval(std::int32_t current) override {
        intervalsShown.push_back(current);
        return take(intervals, std::optional<std::int32_t>());
    }
    QStringList chooseFilesToOpen(const QString &, const QString &) override {
        ++fileDialogs;
        return take(fileLists, QStringList{});
    }
    std::optional<TColor> chooseColour(TColor initial, ColourDialogForm form) override {
        ++colourDialogs;
        coloursShown.push_back(initial);
        colourForms.push_back(form);
        return take(colours, std::optional<TColor>{});
    }
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override {
        ++fontDialogs;
        fontsShown.push_back(initial);
        return take(fonts, std::optional<FontChoice>{});
    }
    std::optional<QString> askThemeName() override {
        const QString name = take(themeNames, QString());
        if (name.isNull())
            return std::nullopt;
        return name;
    }
    std::optional<ImportLayout> chooseImportLayout(ImportLayout last) override {
        layoutsOffered.push_back(last);
        return take(importLayouts, std::optional<ImportLayout>(last));
    }
    std::optional<int> chooseTheme(const std::vector<ThemeEntry> &themes,
                                   const QString &notice) override {
        themeListsShown.push_back(themes);
        themeNotices.push_back(notice);
        return take(themeChoices, std::optional<int>{});
    }

  private:
    std::optional<FileChoice> nextFile() {
        ++fileDialogs;
        const FileChoice choice = take(files, FileChoice{});
        if (choice.path.isEmpty())
            return std::nullopt;
        return choice;
    }

    template <typename T>
    static T take(std::deque<T> &queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace kinvarro::test
