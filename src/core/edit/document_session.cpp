#include "edit/document_session.h"

#include <QTextDocument>
#include <algorithm>

#include "common/saturating.h"
#include "edit/edit_commands.h"
#include "model/grid_snap.h"

namespace kinvarro {
namespace {

// Each element once, so that a step moves it once.
std::vector<int> distinct(std::vector<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

}  // namespace

DocumentSession::DocumentSession(QObject *parent)
    : QObject(parent), owned_(std::make_unique<Document>()), doc_(*owned_) {
    connect(&undo_, &QUndoStack::indexChanged, this, [this] {
        if (!gestureOpen_)
            refreshModified();
    });
}

DocumentSession::DocumentSession(Document &doc, QObject *parent) : QObject(parent), doc_(doc) {
    connect(&undo_, &QUndoStack::indexChanged, this, [this] {
        if (!gestureOpen_)
            refreshModified();
    });
}

DocumentSession::~DocumentSession() {
    // The stack empties itself on destruction; nobody listens by then.
    disconnect(&undo_, nullptr, this, nullptr);
}

void DocumentSession::refreshModified() {
    const bool modified = modifiedBeyondHistory_ || !undo_.isClean();
    doc_.DocumentModified = modified;
    // Undo and redo change the chart too; a cheap full redraw covers every kind.
    emit changed(DocumentChange::Elements | DocumentChange::Structure | DocumentChange::Settings |
                 DocumentChange::Info | DocumentChange::Modified);
}

void DocumentSession::push(QUndoCommand *command, DocumentChanges what) {
    if (gestureOpen_ && !gestureRecording_) {
        undo_.beginMacro(gestureText_);
        gestureRecording_ = true;
    }
    undo_.push(command);
    doc_.DocumentModified = true;
    emit changed(what | DocumentChange::Modified);
}

void DocumentSession::setSelected(int index, bool on) {
    doc_.NodeTable.setSelected(index, on);
    emit changed(DocumentChange::Selection);
}

void DocumentSession::clearSelection() {
    doc_.NodeTable.clearSelection();
    emit changed(DocumentChange::Selection);
}

void DocumentSession::selectAll() {
    for (int i = 0; i < doc_.NodeTable.NodeCount(); ++i)
        doc_.NodeTable.setSelected(i, true);
    emit changed(DocumentChange::Selection);
}

void DocumentSession::setScale(float scale) {
    doc_.settings.scale = scale;
    emit changed(DocumentChange::Settings);
}

void DocumentSession::beginGesture(const QString &text) {
    endGesture();
    gestureText_ = text;
    gestureOpen_ = true;
    gestureRecording_ = false;
    ++gesture_;
}

void DocumentSession::endGesture() {
    if (!gestureOpen_)
        return;
    gestureOpen_ = false;
    if (gestureRecording_) {
        gestureRecording_ = false;
        undo_.endMacro();
    }
}

void DocumentSession::bringToFront(int index) {
    // The last element already stands in front: nothing changes, so no step is recorded.
    if (!doc_.NodeTable.isValidIndex(index) || index == doc_.NodeTable.NodeCount() - 1)
        return;
    push(new BringToFrontCommand(doc_, index, m().text(Msg::mActBringToFront)),
         DocumentChange::Structure);
    // The pressed element keeps being the current one at its new place.
    ChartViewState &v = doc_.view;
    if (v.CurrentNode > index) {
        --v.CurrentNode;
    } else if (v.CurrentNode == index) {
        v.CurrentNode = doc_.NodeTable.NodeCount() - 1;
    }
}

void DocumentSession::moveElementsBy(const std::vector<int> &indexes, std::int32_t dx,
                                     std::int32_t dy) {
    std::vector<MoveElementsCommand::Move> moves;
    moves.reserve(indexes.size());
    for (int i : distinct(indexes)) {
        const tnode &node = doc_.NodeTable[i];
        moves.push_back({i, node.x, node.y, SaturatingAdd(node.x, dx), SaturatingAdd(node.y, dy)});
    }
    // Outside a gesture every call is a step of its own.
    const int gesture = gestureOpen_ ? gesture_ : -(++gesture_);
    push(new MoveElementsCommand(doc_, std::move(moves), gesture, m().text(Msg::mActMove)),
         DocumentChange::Elements);
}

void DocumentSession::snapToGrid(const std::vector<int> &indexes) {
    std::vector<MoveElementsCommand::Move> moves;
    for (int i : distinct(indexes)) {
        tnode snapped = doc_.NodeTable[i];
        SnapToGrid(snapped, doc_.NodeTable.nameExtent(i), doc_.settings);
        const tnode &node = doc_.NodeTable[i];
        if (snapped.x != node.x || snapped.y != node.y)
            moves.push_back({i, node.x, node.y, snapped.x, snapped.y});
    }
    if (moves.empty())
        return;
    const int gesture = gestureOpen_ ? gesture_ : -(++gesture_);
    push(new MoveElementsCommand(doc_, std::move(moves), gesture, m().text(Msg::mActMove)),
         DocumentChange::Elements);
}

void DocumentSession::setParentLink(int index, bool father, int link) {
    // A link made while an element is held is a step of its own, not part of the move:
    // what is dragged afterwards starts a new step.
    if (gestureRecording_) {
        gestureRecording_ = false;
        undo_.endMacro();
    }
    const Msg name = father ? Msg::mActSetFather : Msg::mActSetMother;
    undo_.push(new SetParentLinkCommand(doc_, index, father, link, m().text(name)));
    doc_.DocumentModified = true;
    emit changed(DocumentChange::Elements | DocumentChange::Modified);
}

void DocumentSession::replaceElement(int index, tnode node) {
    std::vector<ReplaceElementsCommand::Change> changes;
    changes.push_back(
        {index, doc_.NodeTable[index], std::move(node), doc_.NodeTable.nameExtent(index)});
    push(new ReplaceElementsCommand(doc_, std::move(changes), m().text(Msg::mActEdit)),
         DocumentChange::Elements);
}

namespace {

// Each new element beside the one it replaces, as an undo step holds them.
std::vector<ReplaceElementsCommand::Change> changeList(
    const Document &doc, const std::vector<std::pair<int, tnode>> &changes) {
    std::vector<ReplaceElementsCommand::Change> list;
    list.reserve(changes.size());
    for (const auto &[index, node] : changes)
        list.push_back({index, doc.NodeTable[index], node, doc.NodeTable.nameExtent(index)});
    return list;
}

}  // namespace

void DocumentSession::replaceElements(const std::vector<std::pair<int, tnode>> &changes,
                                      const QString &text) {
    if (changes.empty())
        return;
    std::vector<ReplaceElementsCommand::Change> list = changeList(doc_, changes);
    push(new ReplaceElementsCommand(doc_, std::move(list), text), DocumentChange::Elements);
}

void DocumentSession::replaceElementsFollowingDisk(
    const std::vector<std::pair<int, tnode>> &changes, const QString &text,
    std::function<bool(bool forward)> disk) {
    if (changes.empty())
        return;
    std::vector<ReplaceElementsCommand::Change> list = changeList(doc_, changes);
    push(new FollowDiskCommand(doc_, std::move(list), std::move(disk), text),
         DocumentChange::Elements);
}

void DocumentSession::deleteElements(const std::vector<int> &indexes) {
    if (indexes.empty())
        return;
    push(new DeleteElementsCommand(doc_, indexes, m().text(Msg::mActDelete)),
         DocumentChange::Structure);
    doc_.view.CurrentNode = -1;
}

void DocumentSession::changeSettings(DocumentSettings settings, const QString &text) {
    push(new SettingsCommand(doc_, std::move(settings), text), DocumentChange::Settings);
}

void DocumentSession::setInformationText(const QTextDocument &text) {
    push(new InfoTextCommand(doc_, text, m().text(Msg::mActInfo)), DocumentChange::Info);
}

std::optional<int> DocumentSession::beginNewElement(ElementKind kind) {
    discardNewElement();
    const bool wasModified = doc_.DocumentModified;
    newElement_ = doc_.AddNode(kind);
    doc_.DocumentModified = wasModified;
    if (newElement_)
        emit changed(DocumentChange::Structure);
    return newElement_;
}

void DocumentSession::applyNewElement(tnode node) {
    if (!newElement_)
        return;
    // The element goes out and comes back as a recorded addition, so that undo
    // removes exactly what applying put in.
    doc_.NodeTable.remove(*newElement_);
    newElement_.reset();
    push(new AddElementCommand(doc_, std::move(node), m().text(Msg::mActAdd)),
         DocumentChange::Structure);
}

void DocumentSession::discardNewElement() {
    if (!newElement_)
        return;
    doc_.NodeTable.remove(*newElement_);
    newElement_.reset();
    doc_.view.CurrentNode = -1;
    emit changed(DocumentChange::Structure);
}

void DocumentSession::replaceDocument(Document &loaded, bool modified) {
    endGesture();
    newElement_.reset();
    undo_.clear();
    doc_.adoptLoaded(loaded);
    modifiedBeyondHistory_ = modified;
    doc_.DocumentModified = modified;
    emit changed(DocumentChange::Replaced | DocumentChange::Modified);
}

void DocumentSession::newDocument() {
    Document fresh;
    fresh.setMessages(&doc_.messages());
    fresh.settings = doc_.settings;
    fresh.settings.reset();
    // New starts from nothing: no picture of the previous chart is kept.
    fresh.settings.backgroundPicture = QImage();
    replaceDocument(fresh, false);
}

void DocumentSession::markSaved() {
    undo_.setClean();
    modifiedBeyondHistory_ = false;
    doc_.DocumentModified = false;
    emit changed(DocumentChange::Modified);
}

void DocumentSession::markModified() {
    modifiedBeyondHistory_ = true;
    doc_.DocumentModified = true;
    emit changed(DocumentChange::Modified);
}

}  // namespace kinvarro
