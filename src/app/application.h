#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "settings/dialog_folders.h"
#include "settings/ini_file.h"
#include "settings/language_choice.h"
#include "settings/machine_store.h"
#include "settings/message_table.h"
#include "settings/program_folder.h"
#include "ui/qt_catalog.h"
#include "ui/qt_prompts.h"

class QWidget;

namespace kinvarro {

class TForm1;
class TForm2;
class TfStatistic;
class Tflanguage;
class ThemeCommands;
class RecoveryWindow;
class Autosaver;

/// The program's life cycle around the main window: language, windows and
/// their texts, the command-line document with the splash, the placement.
class KinvarroApplication {
  public:
    /// `programFolder` holds the language files; `store` the per-machine values. An
    /// installed program leaves the desktop entry and file type to its package and
    /// starts the file dialogs at home, not in its read-only data folder.
    KinvarroApplication(const QString &programFolder, MachineStore &store,
                        ProgramLayout layout = ProgramLayout::BuildTree);
    ~KinvarroApplication();

    /// Chooses the language and creates the windows. Returns false when the
    /// user cancelled the language choice and the program must end.
    [[nodiscard]] bool start();
    /// Shows the main window, opening `document` (if it names a file) behind the splash.
    void show(const QString &document);

    TForm1 &mainWindow() { return *main_; }
    TForm2 &aboutBox() { return *about_; }
    TfStatistic &statisticBox() { return *statistic_; }
    const MessageTable &messages() const { return messages_; }
    const LanguageChoice &language() const { return *choice_; }

  private:
    void loadLanguage();
    /// Names the language file that could not be used, if any.
    void tellLanguageProblem();
    /// Offers the copies of unsaved work that ended processes left. Returns
    /// whether one was recovered.
    bool offerRecovery();
    void translate(const std::vector<QWidget *> &windows);
    void switchLanguage();
    /// `NStatisticClick`: the counts of the open document in `TfStatistic`.
    void NStatisticClick();
    /// `N8Click`: opens the help page of the current language, if there is one.
    void N8Click();
    /// The "Темы" submenu: save the settings as a theme, apply a chosen one.
    void wireThemes();
    /// The main window and every window translated with it.
    std::vector<QWidget *> windows();

    QString programFolder_;
    ProgramLayout layout_;
    MachineStore &store_;
    MessageTable messages_;
    IniFile languageFile_;
    QString languageProblem_;  ///< what is wrong with the chosen language file; empty if none
    QtCatalog qtCatalog_;
    std::unique_ptr<Tflanguage> languageDialog_;
    std::unique_ptr<LanguageChoice> choice_;
    std::unique_ptr<DialogFolders> dialogFolders_;
    std::unique_ptr<QtPrompts> prompts_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<ThemeCommands> themes_;
    std::unique_ptr<RecoveryWindow> recoveryWindow_;
    /// Declared after the main window: it ends first, a clean end that removes its copy.
    std::unique_ptr<Autosaver> autosaver_;
    bool autosaveFailureShown_ = false;
    TForm2 *about_ = nullptr;
    TfStatistic *statistic_ = nullptr;
};

}  // namespace kinvarro
