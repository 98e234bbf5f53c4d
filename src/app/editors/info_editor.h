#pragma once

#include <QDialog>

#include "editors/info_edit.h"

class QTextEdit;

namespace kinvarro {

class Document;
class DocumentSession;
class FormattingBar;

/// `TForm7`: the document information editor ("Информация о файле"). It edits
/// the document's information text in place and restores it on cancel.
class TForm7 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm7(DocumentSession &session, QWidget *parent = nullptr);

    /// "Информация": returns whether the user applied.
    bool N51Click();

    QTextEdit *field() const { return RichEdit1_; }
    FormattingBar &formattingBar() { return *bar_; }

  private:
    DocumentSession &session_;
    const Document &doc_;
    QTextEdit *RichEdit1_;
    FormattingBar *bar_;
};

}  // namespace kinvarro
