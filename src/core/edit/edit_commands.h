#pragma once

#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

#include "model/document_settings.h"
#include "model/element_table.h"

class QTextDocument;

namespace kinvarro {

class Document;

/// The undoable edits of a document. Each stores what it changed, not the
/// table, and is run once on push (redo) as QUndoStack does.

/// Brings one element to the top of the painting order.
class BringToFrontCommand : public QUndoCommand {
  public:
    BringToFrontCommand(Document &doc, int index, const QString &text);
    void redo() override;
    void undo() override;

  private:
    Document &doc_;
    int index_;
};

/// Moves elements; the moves of one drag merge into one step.
class MoveElementsCommand : public QUndoCommand {
  public:
    struct Move {
        int index;
        std::int32_t oldX, oldY, newX, newY;
    };
    MoveElementsCommand(Document &doc, std::vector<Move> moves, int gesture, const QString &text);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

  private:
    Document &doc_;
    std::vector<Move> moves_;
    int gesture_;
};

/// Sets one element's father or mother link.
class SetParentLinkCommand : public QUndoCommand {
  public:
    SetParentLinkCommand(Document &doc, int index, bool father, int link, const QString &text);
    void redo() override;
    void undo() override;

  private:
    void set(std::int32_t link);
    Document &doc_;
    int index_;
    bool father_;
    std::int32_t old_;
    std::int32_t new_;
};

/// Replaces whole element records (an editor's Apply, media renames, colouring).
class ReplaceElementsCommand : public QUndoCommand {
  public:
    struct Change {
        int index;
        tnode before;
        tnode after;
        NameExtent beforeExtent;
    };
    ReplaceElementsCommand(Document &doc, std::vector<Change> changes, const QString &text);
    void redo() override;
    void undo() override;

  private:
    Document &doc_;
    std::vector<Change> changes_;
};

/// Replaces element records that follow a change on disk, such as a renamed
/// media file. The change is made before the step is pushed; undo and redo ask
/// `disk` to take it back (false) or make it again (true) and keep the elements
/// as they are when that fails, so that they always name what the disk holds.
class FollowDiskCommand : public QUndoCommand {
  public:
    using DiskStep = std::function<bool(bool forward)>;
    FollowDiskCommand(Document &doc, std::vector<ReplaceElementsCommand::Change> changes,
                      DiskStep disk, const QString &text);
    void redo() override;
    void undo() override;

  private:
    ReplaceElementsCommand elements_;
    DiskStep disk_;
    bool applied_ = false;
    bool diskDone_ = true;  ///< the first redo finds the disk changed already
};

/// Appends an element that the user has applied in its editor.
class AddElementCommand : public QUndoCommand {
  public:
    AddElementCommand(Document &doc, tnode node, const QString &text);
    void redo() override;
    void undo() override;

  private:
    Document &doc_;
    tnode node_;
};

/// Deletes elements; undo puts them back with every link that pointed at them.
class DeleteElementsCommand : public QUndoCommand {
  public:
    DeleteElementsCommand(Document &doc, std::vector<int> indexes, const QString &text);
    void redo() override;
    void undo() override;

  private:
    struct CutLink {
        int index;  ///< in the table before the delete
        std::int32_t father;
        std::int32_t mother;
    };
    Document &doc_;
    std::vector<ElementTable::Removed> removed_;
    std::vector<CutLink> cutLinks_;
};

/// Replaces the display settings.
class SettingsCommand : public QUndoCommand {
  public:
    SettingsCommand(Document &doc, DocumentSettings after, const QString &text);
    void redo() override;
    void undo() override;

  private:
    void apply(const DocumentSettings &settings);
    Document &doc_;
    DocumentSettings before_;
    DocumentSettings after_;
};

/// Replaces the information text.
class InfoTextCommand : public QUndoCommand {
  public:
    InfoTextCommand(Document &doc, const QTextDocument &after, const QString &text);
    ~InfoTextCommand() override;
    void redo() override;
    void undo() override;

  private:
    Document &doc_;
    std::unique_ptr<QTextDocument> other_;  ///< the text not in the document now
};

}  // namespace kinvarro
