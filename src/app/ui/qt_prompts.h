#pragma once

#include "prompts/prompts.h"

class QWidget;

namespace kinvarro {

class DialogFolders;
class MessageTable;
class TfColour;
class TfFont;
class TForm4;
class TFLoadTheme;
class TFThemesave;

/// The editor's answers to commands' questions: Qt message boxes and file dialogs.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget *parent) : parent_(parent) {}
    /// The window the dialogs belong to.
    void setParentWidget(QWidget *parent) { parent_ = parent; }
    /// Where file dialogs start when no folder is given; they remember where they were left.
    void setDialogFolders(DialogFolders *folders) { folders_ = folders; }
    /// The grid-interval dialog, created on first use as a child of the parent widget.
    TForm4 &intervalDialog();
    /// The colour and font dialogs, created on first use likewise.
    TfColour &colourDialog();
    TfFont &fontDialog();
    /// The theme windows, created on first use like the interval dialog.
    TFThemesave &themeNameDialog();
    TFLoadTheme &themeChooser();

    Answer ask(const QString &caption, const QString &text, bool withCancel) override;
    void tell(MessageIcon icon, const QString &caption, const QString &text) override;
    std::optional<FileChoice> chooseFileToOpen(const QString &filter, const QString &folder,
                                               const QString &fileName) override;
    std::optional<FileChoice> chooseFileToSave(const QString &filter, const QString &folder,
                                               const QString &fileName, int typeIndex) override;
    std::optional<std::int32_t> askInterval(std::int32_t current) override;
    QStringList chooseFilesToOpen(const QString &filter, const QString &folder) override;
    std::optional<TColor> chooseColour(TColor initial, ColourDialogForm form) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<QString> askThemeName() override;
    std::optional<int> chooseTheme(const std::vector<ThemeEntry> &themes,
                                   const QString &notice) override;
    std::optional<ImportLayout> chooseImportLayout(ImportLayout last) override;
    /// The texts of the dialogs built here rather than translated from the language file.
    void setMessages(const MessageTable *messages) { messages_ = messages; }

  private:
    QWidget *parent_;
    TForm4 *intervalDialog_ = nullptr;
    TfColour *colourDialog_ = nullptr;
    TfFont *fontDialog_ = nullptr;
    TFThemesave *themeNameDialog_ = nullptr;
    TFLoadTheme *themeChooser_ = nullptr;
    DialogFolders *folders_ = nullptr;
    const MessageTable *messages_ = nullptr;
};

}  // namespace kinvarro
