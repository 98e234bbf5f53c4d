#pragma once

#include <QDialog>

#include "editors/info_edit.h"

class QTextEdit;

namespace kinvarro {

class Document;
class DocumentSession;
class FormattingBar;
class Prompts;

/// `TForm7`: the document information editor ("Информация о файле"). It edits
/// the document's information text in place and restores it on cancel.
class TForm7 : public QDialog {
    Q_OBJECT
  public:
    TForm7(DocumentSession &session, Prompts &prompts, QWidget *parent = nullptr);

    /// "Информация": returns whether the user applied.
    bool N51Click();

    QTextEdit *field() const { return RichEdit1_; }
    FormattingBar &formattingBar() { return *bar_; }

    /// Refused while the text holds characters the document cannot store.
    void accept() override;

  private:
    DocumentSession &session_;
    const Document &doc_;
    Prompts &prompts_;
    QTextEdit *RichEdit1_;
    FormattingBar *bar_;
};

}  // namespace kinvarro
