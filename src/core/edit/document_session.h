#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/document.h"

namespace kinvarro {

/// What an edit changed, for those who show the document.
enum class DocumentChange : unsigned {
    Elements = 1,   ///< fields or positions of elements
    Structure = 2,  ///< elements added, deleted or reordered
    Settings = 4,
    Info = 8,
    Modified = 16,  ///< the unsaved-changes flag
    Replaced = 32,  ///< a new, opened or imported document took the old one's place
    Selection = 64,
};
Q_DECLARE_FLAGS(DocumentChanges, DocumentChange)

/// The one way to change the open document. The table, the settings and the
/// information text are read-only to everybody else: each change here is a
/// named operation that is recorded for undo, marks the document modified and
/// reports itself through `changed`. The view state and the selection are not
/// recorded, so undo never moves the view.
class DocumentSession : public QObject {
    Q_OBJECT
  public:
    /// A session on a document of its own.
    explicit DocumentSession(QObject *parent = nullptr);
    /// A session on `doc`, which its owner has set up and keeps alive.
    explicit DocumentSession(Document &doc, QObject *parent = nullptr);
    ~DocumentSession() override;

    const Document &doc() const { return doc_; }
    const ElementTable &table() const { return doc_.NodeTable; }
    const DocumentSettings &settings() const { return doc_.settings; }
    const MessageTable &messages() const { return doc_.messages(); }
    void setMessages(const MessageTable *messages) { doc_.setMessages(messages); }
    ChartViewState &view() { return doc_.view; }
    const ChartViewState &view() const { return doc_.view; }
    QString &fileName() { return doc_.CurrentFileName; }
    bool modified() const { return doc_.DocumentModified; }
    QUndoStack &undoStack() { return undo_; }

    // View state: never recorded, never marks the document modified.
    void setSelected(int index, bool on);
    void clearSelection();
    void selectAll();
    /// The zoom: the scale is stored with the document but is the user's view.
    void setScale(float scale);

    /// Groups the edits of one mouse gesture into one undo step named `text`;
    /// the step is made only if the gesture edits something.
    void beginGesture(const QString &text);
    void endGesture();

    /// `MoveNodeToEnd`: element `index` goes to the top of the painting order.
    void bringToFront(int index);
    /// Moves elements by (dx, dy) chart units, saturating; within a gesture
    /// every call joins the same step.
    void moveElementsBy(const std::vector<int> &indexes, std::int32_t dx, std::int32_t dy);
    /// Snaps elements to the grid by their name extents.
    void snapToGrid(const std::vector<int> &indexes);
    void setParentLink(int index, bool father, int link);
    /// Replaces element `index` by `node` (an editor's Apply).
    void replaceElement(int index, tnode node);
    /// Replaces several elements in one step (`indexes` and `nodes` pair up).
    void replaceElements(const std::vector<std::pair<int, tnode>> &changes, const QString &text);
    /// The same for elements that follow a change already made on disk (a renamed
    /// file): undo and redo first call `disk` with false (take it back) or true (make
    /// it again), and the elements change only when it returns true.
    void replaceElementsFollowingDisk(const std::vector<std::pair<int, tnode>> &changes,
                                      const QString &text, std::function<bool(bool forward)> disk);
    void deleteElements(const std::vector<int> &indexes);
    void changeSettings(DocumentSettings settings, const QString &text);
    void setInformationText(const QTextDocument &text);

    /// A new element at the last press, not yet part of the document: its
    /// editor opens at once, and only applying it records the addition.
    std::optional<int> beginNewElement(ElementKind kind);
    /// The element begun and neither applied nor discarded yet.
    std::optional<int> newElement() const { return newElement_; }
    void applyNewElement(tnode node);
    /// Takes a begun element away again; nothing when there is none.
    void discardNewElement();

    /// New, Open, Import: the document takes `loaded`'s elements, settings and
    /// information text; the history starts afresh. `modified` is the flag the
    /// replaced document gets (an import is unsaved).
    void replaceDocument(Document &loaded, bool modified);
    /// New: an empty chart with reset settings, no picture and no information text.
    void newDocument();
    /// The document was written to its file: this is the unmodified state.
    void markSaved();
    /// Marks the document modified without an undo step (work the history cannot hold).
    void markModified();

  signals:
    void changed(DocumentChanges what);

  private:
    void push(QUndoCommand *command, DocumentChanges what);
    void refreshModified();
    const MessageTable &m() const { return doc_.messages(); }

    std::unique_ptr<Document> owned_;
    Document &doc_;
    QUndoStack undo_;
    bool modifiedBeyondHistory_ = false;
    QString gestureText_;
    bool gestureOpen_ = false;
    bool gestureRecording_ = false;
    int gesture_ = 0;
    std::optional<int> newElement_;
};

}  // namespace kinvarro

// At global scope, so that it does not hide Qt's own operators inside the namespace.
Q_DECLARE_OPERATORS_FOR_FLAGS(kinvarro::DocumentChanges)
