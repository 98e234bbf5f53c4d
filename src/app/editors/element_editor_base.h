#pragma once

#include <QDialog>

#include "editors/element_edit.h"

class QGroupBox;
class QPlainTextEdit;
class QTabWidget;
class QTextEdit;

namespace kinvarro {

class Document;
class DocumentSession;
class FormattingBar;
class MediaTab;
class MessageTable;
class Prompts;

/// What the person and event editors share: the name group, the tabs
/// "Описание", "Медиа", "Опции" with the formatted description and the media,
/// and the buttons "Применить" and "Отменить".
class ElementEditorBase : public QDialog {
    Q_OBJECT
  public:
    /// Opens the editor on element `index`; returns whether the user applied.
    /// A description that cannot be read is reported and nothing is shown.
    bool edit(int index);

    QPlainTextEdit *nameField() const { return eName_; }
    QTextEdit *descriptionField() const { return eDescription_; }
    QTabWidget *tabs() const { return tabs_; }
    MediaTab &media() { return *media_; }
    FormattingBar &formattingBar() { return *bar_; }

    /// Refused while a field holds characters the document cannot store.
    void accept() override;

  protected:
    ElementEditorBase(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
                      bool person, QWidget *parent);

    /// Shows the option fields; called after the common fields are filled.
    virtual void showOptions() = 0;
    /// Copies the option controls into `fields_`.
    virtual void readOptions() = 0;
    void showEvent(QShowEvent *event) override;

    DocumentSession &session_;
    const Document &doc_;
    Prompts &prompts_;
    const MessageTable &messages_;
    ElementFields fields_;
    QGroupBox *nameGroup_;
    QWidget *optionsPage_;

  private:
    int index_ = -1;
    QPlainTextEdit *eName_;
    QTabWidget *tabs_;
    QTextEdit *eDescription_;
    FormattingBar *bar_;
    MediaTab *media_;
};

}  // namespace kinvarro
