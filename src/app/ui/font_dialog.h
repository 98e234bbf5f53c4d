#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "prompts/prompts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kinvarro {

class FontDialogState;

/// `TfFont`, "Шрифт": the font dialog of the chart font and of an element's
/// own font. Face (scalable faces), size, bold, italic, underline, strike-out,
/// colour and a sample; the face asked for stays unless another is picked.
class TfFont : public QDialog {
    Q_OBJECT
  public:
    /// `pickColour` runs the colour dialog opened with a colour.
    using ColourPicker = std::function<std::optional<TColor>(TColor)>;

    TfFont(ColourPicker pickColour, QWidget *parent = nullptr);
    ~TfFont() override;

    /// Shows the dialog modally opened with `initial`: the choice, or nullopt
    /// when it was cancelled.
    std::optional<FontChoice> choose(const FontChoice &initial);
    /// What accepting would return now.
    FontChoice current() const;

    QListWidget *lbFaces = nullptr;
    QComboBox *cbSize = nullptr;
    QCheckBox *cbBold = nullptr;
    QCheckBox *cbItalic = nullptr;
    QCheckBox *cbUnderline = nullptr;
    QCheckBox *cbStrikeOut = nullptr;
    QPushButton *bColour = nullptr;
    QLabel *LabelSample = nullptr;
    QPushButton *bOk = nullptr;

  private:
    void fill();
    void showColour();
    void showSample();

    ColourPicker pickColour_;
    std::unique_ptr<FontDialogState> state_;
};

}  // namespace kinvarro
