#include "application.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "display/theme_commands.h"
#include "editors/element_editors.h"
#include "hints/element_statistics.h"
#include "hints/help_page.h"
#include "hints/hint_windows.h"
#include "hints/statistic_box.h"
#include "persistence/autosave_files.h"
#include "persistence/autosaver.h"
#include "persistence/recovery_offer.h"
#include "settings/language_files.h"
#include "ui/about_box.h"
#include "ui/chart_export_menu.h"
#include "ui/chart_input.h"
#include "ui/colour_dialog.h"
#include "ui/file_type_registration.h"
#include "ui/font_dialog.h"
#include "ui/interval_dialog.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"
#include "ui/progress_window.h"
#include "ui/recovery_window.h"
#include "ui/theme_dialogs.h"
#include "ui/translate_form.h"
#include "ui/zoom_window.h"

namespace kinvarro {
namespace {

constexpr int kSplashMs = 2000;

}  // namespace

KinvarroApplication::KinvarroApplication(const QString &programFolder, MachineStore &store,
                                         ProgramLayout layout)
    : programFolder_(programFolder), layout_(layout), store_(store) {}

KinvarroApplication::~KinvarroApplication() = default;

bool KinvarroApplication::start() {
    const std::vector<LanguageEntry> languages = FillLanguageList(programFolder_);
    languageDialog_ = std::make_unique<Tflanguage>(languages);
    choice_ = std::make_unique<LanguageChoice>(languages, store_, *languageDialog_);
    if (!choice_->chooseAtStartup())
        return false;
    loadLanguage();
    // An installed program ships its desktop entry and file type with the package.
    const bool installed = layout_ == ProgramLayout::Installed;
    if (!installed)
        RegisterFileTypeWithDesktop(QCoreApplication::applicationFilePath());

    prompts_ = std::make_unique<QtPrompts>(nullptr);
    dialogFolders_ = std::make_unique<DialogFolders>(store_);
    prompts_->setDialogFolders(dialogFolders_.get());
    prompts_->setMessages(&messages_);
    main_ = std::make_unique<TForm1>(messages_, store_, *prompts_);
    prompts_->setParentWidget(main_.get());
    main_->menus().NLanguage->setVisible(choice_->languageMenuVisible());
    about_ = new TForm2(messages_, main_.get());
    statistic_ = new TfStatistic(main_.get());

    QObject::connect(main_.get(), &TForm1::aboutRequested, about_, [this] { about_->exec(); });
    QObject::connect(about_, &TForm2::helpRequested, main_.get(), [this] { N8Click(); });
    QObject::connect(main_.get(), &TForm1::languageSwitchRequested, main_.get(),
                     [this] { switchLanguage(); });
    if (QAction *item = main_->menus().item("NStatistic"))
        QObject::connect(item, &QAction::triggered, main_.get(), [this] { NStatisticClick(); });
    QObject::connect(main_->menus().N8, &QAction::triggered, main_.get(), [this] { N8Click(); });
    wireThemes();
    recoveryWindow_ = std::make_unique<RecoveryWindow>(messages_, main_.get());
    autosaver_ = std::make_unique<Autosaver>(main_->session(), autosaveFolder(),
                                             autosaveIntervalSeconds(store_.autosaveSeconds()));
    QObject::connect(
        autosaver_.get(), &Autosaver::writeFailed, main_.get(), [this](const QString &why) {
            // Once a session: the next intervals try again without a word.
            if (autosaveFailureShown_)
                return;
            autosaveFailureShown_ = true;
            prompts_->tell(MessageIcon::Warning, messages_.text(Msg::mKinvarro),
                           messages_.text(Msg::mAutosaveFailed) + QLatin1Char('\n') + why);
        });
    translate(windows());
    tellLanguageProblem();
    return true;
}

bool KinvarroApplication::offerRecovery() {
    std::vector<AutosaveEntry> leftovers = leftoverAutosaves(autosaveFolder(), processRunning);
    if (leftovers.empty())
        return false;
    return kinvarro::offerRecovery(std::move(leftovers), *recoveryWindow_, main_->fileCommands(),
                                   messages_);
}

void KinvarroApplication::NStatisticClick() {
    statistic_->showCounts(CountElements(main_->document().NodeTable));
    statistic_->exec();
}

void KinvarroApplication::N8Click() {
    const QString page = FindHelpPage(programFolder_, choice_->currentLanguage());
    // The system's browser may be missing or refuse: the page's place lets the user open it.
    QString reason;
    if (page.isEmpty())
        reason = messages_.text(Msg::mHelpNotFound);
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        reason = messages_.text(Msg::mHelpNoHandler);
    if (!reason.isEmpty()) {
        const QString where = QDir::toNativeSeparators(page.isEmpty() ? programFolder_ : page);
        prompts_->tell(MessageIcon::Error, messages_.text(Msg::mError),
                       messages_.text(Msg::mHelpNotOpened).arg(where, reason));
    }
}

void KinvarroApplication::wireThemes() {
    themes_ = std::make_unique<ThemeCommands>(main_->session(), *prompts_,
                                              DefaultThemeFolders(programFolder_),
                                              [this] { return choice_->currentLanguage(); });
    if (QAction *item = main_->menus().item("NSaveTheme"))
        QObject::connect(item, &QAction::triggered, main_.get(),
                         [this] { themes_->NSaveThemeClick(); });
    if (QAction *item = main_->menus().item("NLoadTheme")) {
        QObject::connect(item, &QAction::triggered, main_.get(), [this] {
            // A theme keeps the zoom; the caption shows it again in the current language.
            if (themes_->NLoadThemeClick())
                main_->menus().Nmashtab->setText(
                    ScaleCaption(messages_, main_->session().settings().scalePercent()));
        });
    }
}

void KinvarroApplication::loadLanguage() {
    languageFile_ = IniFile();
    languageProblem_.clear();
    const QString path = choice_->currentLanguageFile();
    if (!path.isEmpty()) {
        // A missing or broken file leaves every default; a broken one is named afterwards.
        languageProblem_ = LoadLanguageFile(path, languageFile_, messages_);
        LoadMessages(messages_, languageFile_);
    }
    // A catalog that is not installed leaves Qt's texts in English, as before.
    (void)qtCatalog_.apply(languageFile_);
}

void KinvarroApplication::translate(const std::vector<QWidget *> &windows) {
    if (choice_->currentLanguage().isEmpty())
        return;
    for (QWidget *window : windows)
        TranslateForm(window, languageFile_);
    main_->menus().Nmashtab->setText(
        ScaleCaption(messages_, main_->session().settings().scalePercent()));
}

void KinvarroApplication::switchLanguage() {
    if (!choice_->switchLanguage())
        return;
    loadLanguage();
    translate(windows());
    tellLanguageProblem();
}

void KinvarroApplication::tellLanguageProblem() {
    if (!languageProblem_.isEmpty())
        prompts_->tell(MessageIcon::Warning, messages_.text(Msg::mError), languageProblem_);
}

std::vector<QWidget *> KinvarroApplication::windows() {
    std::vector<QWidget *> all{main_.get(),
                               about_,
                               statistic_,
                               &prompts_->intervalDialog(),
                               &prompts_->colourDialog(),
                               &prompts_->fontDialog(),
                               &prompts_->themeChooser(),
                               &prompts_->themeNameDialog(),
                               &main_->chartInput().zoomWindow(),
                               &main_->progressWindow(),
                               &main_->exportMenu().printWindow(),
                               &main_->hints().textWindow()};
    for (QWidget *editor : main_->editors().windows())
        all.push_back(editor);
    return all;
}

void KinvarroApplication::show(const QString &document) {
    main_->restorePlacement();
    main_->show();
    main_->raise();
    main_->activateWindow();
    // Recovered work takes the place of the document named on the command line.
    if (offerRecovery()) {
        main_->UpdateScrollBars();
        return;
    }
    if (!document.isEmpty() && QFileInfo(document).isFile()) {
        about_->show();
        about_->raise();
        about_->repaint();
        QApplication::processEvents();
        main_->fileCommands().openPath(document);
        QTimer::singleShot(kSplashMs, about_, &QWidget::hide);
    }
    main_->UpdateScrollBars();
}

}  // namespace kinvarro
