#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QPushButton;
class QSpinBox;

namespace kinvarro {

/// `TForm4`, "Интервал..": edits one grid interval, without bounds.
/// "Применить", or releasing Enter in the spin edit, applies; closing the
/// window cancels.
class TForm4 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm4(QWidget *parent = nullptr);

    /// Shows the dialog modally, opened with `current`: the value entered, or
    /// nullopt when it was closed without applying.
    std::optional<std::int32_t> askInterval(std::int32_t current);
    /// The spin edit's value; a text that is not a whole number reads as 0.
    std::int32_t enteredValue() const;

    QSpinBox *SpinEdit1 = nullptr;
    QPushButton *BitBtn1 = nullptr;  ///< "Применить"

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

}  // namespace kinvarro
