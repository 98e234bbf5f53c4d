#pragma once

#include <QDialog>
#include <vector>

#include "settings/language_choice.h"
#include "settings/language_files.h"

class QComboBox;
class QPushButton;

namespace kinvarro {

/// The language dialog "Language selection": the language names with their flags and
/// the button "Ok."; closing it any other way cancels. It is never translated.
class Tflanguage : public QDialog, public LanguagePrompt {
    Q_OBJECT

  public:
    /// Lists `languages` in their order with the first one selected. When a flag is
    /// taller than a text line, every item becomes that flag's height plus 1 high.
    explicit Tflanguage(const std::vector<LanguageEntry> &languages, QWidget *parent = nullptr);

    /// Selects the entry named exactly `preselected` (otherwise the selection stays
    /// where it was) and runs the dialog modally.
    std::optional<int> askLanguage(const QString &preselected) override;

  private:
    void fillLanguages(const std::vector<LanguageEntry> &languages);

    QComboBox *ComboBox1;
    QPushButton *BitBtn1;
};

}  // namespace kinvarro
