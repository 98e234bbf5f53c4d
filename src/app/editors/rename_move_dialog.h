#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace kinvarro {

/// `TFRenameMove`: asks for the new entry of a media file.
class TFRenameMove : public QDialog {
    Q_OBJECT
  public:
    explicit TFRenameMove(QWidget *parent = nullptr);

    /// Shows `entry` in both fields, or `proposed` as the new one when asking
    /// again; returns the new field's text on "Ok".
    std::optional<QString> ask(const QString &entry, const QString &proposed);

  private:
    QLineEdit *current_;
    QLineEdit *next_;
};

}  // namespace kinvarro
