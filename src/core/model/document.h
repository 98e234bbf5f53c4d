#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "model/chart_view_state.h"
#include "model/document_settings.h"
#include "model/element_table.h"
#include "settings/message_table.h"

class QTextDocument;

namespace kinvarro {

/// The one open document: its elements, display settings, information text
/// and the state every command shares. Commands receive it; nothing is global.
class Document {
  public:
    Document();
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;
    Document(Document &&) noexcept;
    Document &operator=(Document &&) noexcept;

    ElementTable NodeTable;
    DocumentSettings settings;

    /// The view beside the chart; the selection stays in the table's parallel array.
    ChartViewState view;
    bool DocumentModified = false;
    QString CurrentFileName;

    /// The information text, held as rich text while the document is open.
    QTextDocument &info() { return *info_; }
    const QTextDocument &info() const { return *info_; }
    /// Exchanges the information text with `other` (the edit history keeps the other one).
    void swapInfo(std::unique_ptr<QTextDocument> &other) { std::swap(info_, other); }

    /// Texts for new elements' names; defaults to the built-in messages.
    void setMessages(const MessageTable *messages) { messages_ = messages; }
    const MessageTable &messages() const { return *messages_; }

    /// Appends a new element at the last mouse position; nullopt when the table is full.
    std::optional<int> AddNode(ElementKind kind);
    void DeleteNode(int d);
    /// Deletes every selected element as repeated DeleteNode calls would, in
    /// one pass; returns how many were deleted.
    int DeleteSelectedNodes();
    /// Brings element a to the top of the painting order; -1 does nothing.
    void MoveNodeToEnd(int a);
    void MeasureNameExtent(int i);
    /// Measures as the editors do on Apply (see EditedNameExtent).
    void MeasureEditedName(int i);
    void MeasureAllNames();
    void ClearTable();
    void ResetSettings();
    void MarkModified() { DocumentModified = true; }

    /// Takes over the elements, settings and information text of a freshly
    /// loaded document and resets the view; the file name and the modified
    /// flag stay with the caller.
    void adoptLoaded(Document &loaded);

  private:
    std::int32_t drawUniqueId();

    std::unique_ptr<QTextDocument> info_;
    const MessageTable *messages_;
};

/// The extent an editor's Apply gives a name: a person's in its own font when
/// it has one, a historical event's always in the chart font it is drawn in.
NameExtent EditedNameExtent(const tnode &node, const DocumentSettings &settings);

/// "BaseCaption - name" for a file (folder and extension dropped), or the base alone.
QString TitleFor(const QString &baseCaption, const QString &fileName);
/// The zoom item caption: "<mMashtab> (<percent>%)".
QString ScaleCaption(const MessageTable &messages, std::uint32_t percent);

}  // namespace kinvarro
