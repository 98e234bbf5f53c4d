#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace kinvarro {

class Document;
class DocumentSession;
class MessageTable;
class Prompts;
class TForm3;
class TForm7;
class TForm8;

/// The editors of the main window: `NModifyClick` opens the editor that fits
/// an element's kind, `N51Click` the document information editor.
class ElementEditors : public QObject {
    Q_OBJECT
  public:
    ElementEditors(DocumentSession &session, Prompts &prompts, const MessageTable &messages,
                   QWidget *window);
    ~ElementEditors() override;

    /// Edits element `index` (the current element). `justAdded` marks an
    /// element an add command has just appended: cancelling removes it again.
    /// Returns whether the user applied; the caller redraws when the chart
    /// changed (see chartChanged).
    bool NModifyClick(int index, bool justAdded);
    /// Opens the document information editor; returns whether the user applied.
    bool N51Click();

    /// Every editor window and dialog, for translating their texts.
    std::vector<QWidget *> windows() const;

    TForm3 &personEditor() { return *person_; }
    TForm8 &eventEditor() { return *event_; }
    TForm7 &infoEditor() { return *info_; }

  signals:
    /// An editing changed the chart: redraw it.
    void chartChanged();

  private:
    DocumentSession &session_;
    const Document &doc_;
    TForm3 *person_;
    TForm8 *event_;
    TForm7 *info_;
};

}  // namespace kinvarro
