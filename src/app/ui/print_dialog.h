#pragma once

#include <QDialog>
#include <optional>

#include "render/print_layout.h"

class QPushButton;
class QRadioButton;
class QSpinBox;

namespace kinvarro {

/// `TfPrint`, "Печать": chooses between the chart on one page and a poster
/// over several pages at a scale in per cent; "Просмотр.." goes on to the
/// print preview, closing the window cancels.
class TfPrint : public QDialog {
    Q_OBJECT
  public:
    explicit TfPrint(QWidget *parent = nullptr);

    /// Shows the dialog modally: the options chosen, or nullopt when cancelled.
    std::optional<PrintOptions> askOptions();
    PrintOptions chosenOptions() const;

    QRadioButton *rbFit = nullptr;  ///< "На одну страницу"
    QRadioButton *rbPoster = nullptr;  ///< "Плакат из нескольких листов, масштаб %"
    QSpinBox *seScale = nullptr;
    QPushButton *BitBtn1 = nullptr;  ///< "Просмотр.."
};

}  // namespace kinvarro
