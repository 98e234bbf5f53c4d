#pragma once

#include <QColorDialog>
#include <optional>
#include <vector>

#include "prompts/prompts.h"

class QPushButton;

namespace kinvarro {

/// The colour dialog, caption "Цвет". Its own texts carry names, so that the
/// language files translate it like the program's windows. The short form
/// offers the fixed and custom colours and a button that widens it to the full
/// form with the colour field and the numeric values.
class TfColour : public QColorDialog {
    Q_OBJECT
  public:
    explicit TfColour(QWidget *parent = nullptr);

    /// Shows the dialog modally in `form`, opened with `initial`: the colour
    /// chosen, or nullopt when it was cancelled.
    std::optional<TColor> choose(TColor initial, ColourDialogForm form);

    /// True while the colour field and the values are shown.
    bool isFull() const { return full_; }

  private:
    void showFull(bool full);

    std::vector<QWidget *> fullOnly_;
    QPushButton *widen_ = nullptr;
    bool full_ = true;
};

}  // namespace kinvarro
