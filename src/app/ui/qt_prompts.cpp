#include "ui/qt_prompts.h"

#include "settings/dialog_folders.h"
#include "ui/colour_dialog.h"
#include "ui/file_dialog_filter.h"
#include "ui/font_dialog.h"
#include "ui/import_layout_dialog.h"
#include "ui/interval_dialog.h"
#include "ui/theme_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace kinvarro {
namespace {

QString startFolder(const DialogFolders *folders, const QString &folder) {
    if (!folder.isEmpty())
        return folder;
    return folders ? folders->start() : QDir::currentPath();
}

void remember(DialogFolders *folders, const QStringList &chosen) {
    if (folders && !chosen.isEmpty())
        folders->chosen(chosen.first());
}

std::optional<FileChoice> runFileDialog(QWidget *parent, DialogFolders *folders,
                                        QFileDialog::AcceptMode mode, const QString &filter,
                                        const QString &folder, const QString &fileName,
                                        int typeIndex) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // The commands ask about replacing, under the name they really write and in the interface
    // language.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(typeIndex - 1));
    dialog.setDirectory(startFolder(folders, folder));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    remember(folders, dialog.selectedFiles());
    return FileChoice{dialog.selectedFiles().first(),
                      int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

Answer QtPrompts::ask(const QString &caption, const QString &text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return withCancel ? Answer::Cancel : Answer::No;
    }
}

void QtPrompts::tell(MessageIcon icon, const QString &caption, const QString &text) {
    static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::Information, QMessageBox::Warning,
                                                   QMessageBox::Critical, QMessageBox::Question,
                                                   QMessageBox::NoIcon};
    QMessageBox box(kIcons[int(icon)], caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<FileChoice> QtPrompts::chooseFileToOpen(const QString &filter, const QString &folder,
                                                      const QString &fileName) {
    return runFileDialog(parent_, folders_, QFileDialog::AcceptOpen, filter, folder, fileName, 1);
}

std::optional<FileChoice> QtPrompts::chooseFileToSave(const QString &filter, const QString &folder,
                                                      const QString &fileName, int typeIndex) {
    return runFileDialog(parent_, folders_, QFileDialog::AcceptSave, filter, folder, fileName,
                         typeIndex);
}

TForm4 &QtPrompts::intervalDialog() {
    if (!intervalDialog_)
        intervalDialog_ = new TForm4(parent_);
    return *intervalDialog_;
}

std::optional<std::int32_t> QtPrompts::askInterval(std::int32_t current) {
    return intervalDialog().askInterval(current);
}

TFThemesave &QtPrompts::themeNameDialog() {
    if (!themeNameDialog_)
        themeNameDialog_ = new TFThemesave(parent_);
    return *themeNameDialog_;
}

TFLoadTheme &QtPrompts::themeChooser() {
    if (!themeChooser_)
        themeChooser_ = new TFLoadTheme(parent_);
    return *themeChooser_;
}

std::optional<QString> QtPrompts::askThemeName() {
    return themeNameDialog().askName();
}

std::optional<int> QtPrompts::chooseTheme(const std::vector<ThemeEntry> &themes,
                                          const QString &notice) {
    return themeChooser().chooseTheme(themes, notice);
}

QStringList QtPrompts::chooseFilesToOpen(const QString &filter, const QString &folder) {
    QFileDialog dialog(parent_);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(QtNameFilters(filter));
    dialog.setDirectory(startFolder(folders_, folder));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    remember(folders_, dialog.selectedFiles());
    return dialog.selectedFiles();
}

TfColour &QtPrompts::colourDialog() {
    if (!colourDialog_)
        colourDialog_ = new TfColour(parent_);
    return *colourDialog_;
}

TfFont &QtPrompts::fontDialog() {
    if (!fontDialog_) {
        // The font's colour is chosen with every colour on offer.
        fontDialog_ = new TfFont(
            [this](TColor initial) { return chooseColour(initial, ColourDialogForm::Full); },
            parent_);
    }
    return *fontDialog_;
}

std::optional<TColor> QtPrompts::chooseColour(TColor initial, ColourDialogForm form) {
    return colourDialog().choose(initial, form);
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice &initial) {
    return fontDialog().choose(initial);
}

std::optional<ImportLayout> QtPrompts::chooseImportLayout(ImportLayout last) {
    // Without the texts (no window yet) the last choice stands.
    if (!messages_)
        return last;
    ImportLayoutDialog dialog(*messages_, parent_);
    return dialog.choose(last);
}

}  // namespace kinvarro
