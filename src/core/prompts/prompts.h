#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/tnode.h"

namespace kinvarro {

struct ThemeEntry;

enum class Answer { Yes, No, Cancel };
/// How an imported GEDCOM tree is laid out: by generations with couples side by
/// side, or in the rows of the import's own placement.
enum class ImportLayout { Generations, Rows };
enum class MessageIcon { Information, Warning, Error, Question, None };

/// A file chosen in a file dialog with the 1-based index of its file type.
struct FileChoice {
    QString path;
    int typeIndex = 1;
};

/// How the colour dialog opens: with every colour on offer at once, or in its
/// short form of fixed colours that the user may widen.
enum class ColourDialogForm { Full, Short };

/// A font dialog's font (face, size, style, effects) with its colour.
struct FontChoice {
    QFont font;
    TColor colour = 0;
};

/// Every question, message and file dialog a command needs. The editor answers
/// with real dialogs; tests answer from a script.
class Prompts {
  public:
    virtual ~Prompts() = default;

    /// A question with the question icon: Yes/No, or Yes/No/Cancel when `withCancel`.
    virtual Answer ask(const QString &caption, const QString &text, bool withCancel) = 0;
    /// A message box with an OK button.
    virtual void tell(MessageIcon icon, const QString &caption, const QString &text) = 0;
    /// `filter` lists "description|pattern" pairs joined by "|".
    virtual std::optional<FileChoice> chooseFileToOpen(const QString &filter, const QString &folder,
                                                       const QString &fileName) = 0;
    virtual std::optional<FileChoice> chooseFileToSave(const QString &filter, const QString &folder,
                                                       const QString &fileName, int typeIndex) = 0;
    /// The grid-interval dialog opened with `current`: the value entered, or
    /// nullopt when it was closed without applying.
    virtual std::optional<std::int32_t> askInterval(std::int32_t current) = 0;
    /// Several existing files; an empty list when the dialog is cancelled.
    virtual QStringList chooseFilesToOpen(const QString &filter, const QString &folder) = 0;
    /// The colour dialog opened with `initial` in `form`; nullopt when cancelled.
    virtual std::optional<TColor> chooseColour(TColor initial, ColourDialogForm form) = 0;
    /// The font dialog (scalable fonts, colour and effects) opened with
    /// `initial`; nullopt when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
    /// The theme-name window, showing the name typed last; nullopt when cancelled.
    virtual std::optional<QString> askThemeName() = 0;
    /// The layout of a GEDCOM tree just read, offered with `last` chosen; nullopt
    /// when cancelled (the import is then dropped).
    virtual std::optional<ImportLayout> chooseImportLayout(ImportLayout last) = 0;
    /// The theme chooser: the index of the entry picked, nullopt when cancelled.
    /// `notice`, when not empty, is shown below the list (folders that cannot be read).
    virtual std::optional<int> chooseTheme(const std::vector<ThemeEntry> &themes,
                                           const QString &notice) = 0;
};

}  // namespace kinvarro
