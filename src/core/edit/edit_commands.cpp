#include "edit/edit_commands.h"

#include <QTextDocument>
#include <algorithm>
#include <unordered_map>

#include "model/document.h"

namespace kinvarro {

BringToFrontCommand::BringToFrontCommand(Document &doc, int index, const QString &text)
    : QUndoCommand(text), doc_(doc), index_(index) {}

void BringToFrontCommand::redo() {
    doc_.NodeTable.moveToEnd(index_);
}

void BringToFrontCommand::undo() {
    doc_.NodeTable.moveFromEnd(index_);
}

MoveElementsCommand::MoveElementsCommand(Document &doc, std::vector<Move> moves, int gesture,
                                         const QString &text)
    : QUndoCommand(text), doc_(doc), moves_(std::move(moves)), gesture_(gesture) {}

void MoveElementsCommand::redo() {
    for (const Move &m : moves_) {
        tnode &node = doc_.NodeTable[m.index];
        node.x = m.newX;
        node.y = m.newY;
    }
}

void MoveElementsCommand::undo() {
    for (const Move &m : moves_) {
        tnode &node = doc_.NodeTable[m.index];
        node.x = m.oldX;
        node.y = m.oldY;
    }
}

bool MoveElementsCommand::mergeWith(const QUndoCommand *other) {
    const auto *next = static_cast<const MoveElementsCommand *>(other);
    if (next->gesture_ != gesture_)
        return false;
    // A drag moves the same elements at every step: look them up once per merge.
    std::unordered_map<int, std::size_t> at;
    at.reserve(moves_.size());
    for (std::size_t k = 0; k < moves_.size(); ++k)
        at.emplace(moves_[k].index, k);
    for (const Move &m : next->moves_) {
        if (auto found = at.find(m.index); found != at.end()) {
            moves_[found->second].newX = m.newX;
            moves_[found->second].newY = m.newY;
        } else {
            at.emplace(m.index, moves_.size());
            moves_.push_back(m);
        }
    }
    return true;
}

SetParentLinkCommand::SetParentLinkCommand(Document &doc, int index, bool father, int link,
                                           const QString &text)
    : QUndoCommand(text),
      doc_(doc),
      index_(index),
      father_(father),
      old_(father ? doc.NodeTable[index].fatherIndex : doc.NodeTable[index].motherIndex),
      new_(link) {}

void SetParentLinkCommand::set(std::int32_t link) {
    tnode &node = doc_.NodeTable[index_];
    (father_ ? node.fatherIndex : node.motherIndex) = link;
}

void SetParentLinkCommand::redo() {
    set(new_);
}

void SetParentLinkCommand::undo() {
    set(old_);
}

ReplaceElementsCommand::ReplaceElementsCommand(Document &doc, std::vector<Change> changes,
                                               const QString &text)
    : QUndoCommand(text), doc_(doc), changes_(std::move(changes)) {}

void ReplaceElementsCommand::redo() {
    for (const Change &c : changes_) {
        doc_.NodeTable[c.index] = c.after;
        doc_.MeasureEditedName(c.index);
    }
}

void ReplaceElementsCommand::undo() {
    for (auto c = changes_.rbegin(); c != changes_.rend(); ++c) {
        doc_.NodeTable[c->index] = c->before;
        doc_.NodeTable.nameExtent(c->index) = c->beforeExtent;
    }
}

FollowDiskCommand::FollowDiskCommand(Document &doc,
                                     std::vector<ReplaceElementsCommand::Change> changes,
                                     DiskStep disk, const QString &text)
    : QUndoCommand(text), elements_(doc, std::move(changes), text), disk_(std::move(disk)) {}

void FollowDiskCommand::redo() {
    if (applied_)
        return;
    if (!diskDone_ && !disk_(true))
        return;
    diskDone_ = false;
    elements_.redo();
    applied_ = true;
}

void FollowDiskCommand::undo() {
    if (!applied_ || !disk_(false))
        return;
    elements_.undo();
    applied_ = false;
}

AddElementCommand::AddElementCommand(Document &doc, tnode node, const QString &text)
    : QUndoCommand(text), doc_(doc), node_(std::move(node)) {}

void AddElementCommand::redo() {
    const int index = doc_.NodeTable.append(node_);
    doc_.MeasureNameExtent(index);
}

void AddElementCommand::undo() {
    // Nothing links to the last element while it is the newest one: every
    // later link change was undone before this.
    doc_.NodeTable.remove(doc_.NodeTable.NodeCount() - 1);
}

DeleteElementsCommand::DeleteElementsCommand(Document &doc, std::vector<int> indexes,
                                             const QString &text)
    : QUndoCommand(text), doc_(doc) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::vector<std::uint8_t> gone(std::size_t(doc.NodeTable.NodeCount()), 0);
    for (int i : indexes) {
        gone[std::size_t(i)] = 1;
        removed_.push_back({i, doc.NodeTable[i], doc.NodeTable.nameExtent(i)});
    }
    auto cut = [&](std::int32_t link) { return link >= 0 && gone[std::size_t(link)]; };
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        const tnode &node = doc.NodeTable[i];
        if (!gone[std::size_t(i)] && (cut(node.fatherIndex) || cut(node.motherIndex)))
            cutLinks_.push_back({i, node.fatherIndex, node.motherIndex});
    }
}

void DeleteElementsCommand::redo() {
    ElementTable &table = doc_.NodeTable;
    table.clearSelection();
    for (const ElementTable::Removed &r : removed_)
        table.setSelected(r.index, true);
    table.removeSelected();
}

void DeleteElementsCommand::undo() {
    ElementTable &table = doc_.NodeTable;
    table.restoreRemoved(removed_);
    for (const CutLink &link : cutLinks_) {
        table[link.index].fatherIndex = link.father;
        table[link.index].motherIndex = link.mother;
    }
}

SettingsCommand::SettingsCommand(Document &doc, DocumentSettings after, const QString &text)
    : QUndoCommand(text), doc_(doc), before_(doc.settings), after_(std::move(after)) {}

// The scale is the user's view: an edit of the settings never zooms.
void SettingsCommand::apply(const DocumentSettings &settings) {
    const bool fontChanged = !(settings.chartFont == doc_.settings.chartFont);
    const float scale = doc_.settings.scale;
    doc_.settings = settings;
    doc_.settings.scale = scale;
    if (fontChanged)
        doc_.MeasureAllNames();
}

void SettingsCommand::redo() {
    apply(after_);
}

void SettingsCommand::undo() {
    apply(before_);
}

InfoTextCommand::InfoTextCommand(Document &doc, const QTextDocument &after, const QString &text)
    : QUndoCommand(text), doc_(doc), other_(after.clone()) {}

InfoTextCommand::~InfoTextCommand() = default;

void InfoTextCommand::redo() {
    doc_.swapInfo(other_);
}

void InfoTextCommand::undo() {
    doc_.swapInfo(other_);
}

}  // namespace kinvarro
