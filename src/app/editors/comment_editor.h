#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kinvarro {

/// `Tfcomment`: edits the comment of one media file as plain text.
class Tfcomment : public QDialog {
    Q_OBJECT
  public:
    explicit Tfcomment(QWidget *parent = nullptr);

    /// Shows the comment; returns the new text on apply.
    std::optional<QString> edit(const QString &caption, const QString &text);

  private:
    QPlainTextEdit *reComment_;
};

}  // namespace kinvarro
