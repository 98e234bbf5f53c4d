#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kinvarro {

class MessageTable;
class Prompts;

/// `Tfcomment`: edits the comment of one media file as plain text.
class Tfcomment : public QDialog {
    Q_OBJECT
  public:
    Tfcomment(Prompts &prompts, const MessageTable &messages, QWidget *parent = nullptr);

    /// Shows the comment; returns the new text on apply.
    std::optional<QString> edit(const QString &caption, const QString &text);

    /// Refused when the text holds characters Windows-1251 cannot store.
    void accept() override;

  private:
    Prompts &prompts_;
    const MessageTable &messages_;
    QPlainTextEdit *reComment_;
};

}  // namespace kinvarro
