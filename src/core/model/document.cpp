#include "model/document.h"

#include <QFileInfo>
#include <QTextDocument>
#include <random>

#include "model/chart_units.h"
#include "model/grid_snap.h"
#include "model/name_measure.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

const MessageTable &builtInMessages() {
    static const MessageTable table;
    return table;
}

}  // namespace

Document::Document() : info_(std::make_unique<QTextDocument>()), messages_(&builtInMessages()) {}

Document::~Document() = default;
Document::Document(Document &&) noexcept = default;
Document &Document::operator=(Document &&) noexcept = default;

std::int32_t Document::drawUniqueId() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::int32_t> draw(0, 0x7FFFFFFE);
    for (;;) {
        const std::int32_t candidate = draw(generator);
        bool taken = false;
        for (int i = 0; i < NodeTable.NodeCount() && !taken; ++i) {
            taken = NodeTable[i].id == candidate;
        }
        if (!taken)
            return candidate;
    }
}

std::optional<int> Document::AddNode(ElementKind kind) {
    if (NodeTable.isFull())
        return std::nullopt;
    tnode node;
    node.id = drawUniqueId();
    node.kind = kind;
    node.name =
        toDocText(messages_->text(kind == kHistoricalEvent ? Msg::mTimeLine : Msg::mNewElement));
    node.x = ToChart(view.LastMouseX - view.ViewOriginX, settings.scale);
    node.y = ToChart(view.LastMouseY - view.ViewOriginY, settings.scale);
    const int index = NodeTable.append(std::move(node));
    view.CurrentNode = index;
    MeasureNameExtent(index);
    if (settings.alignToGrid)
        AlignToGrid(*this, index);
    return index;
}

void Document::DeleteNode(int d) {
    NodeTable.remove(d);
    view.CurrentNode = -1;
    MarkModified();
}

int Document::DeleteSelectedNodes() {
    const int removed = NodeTable.removeSelected();
    if (removed > 0) {
        view.CurrentNode = -1;
        MarkModified();
    }
    return removed;
}

void Document::MoveNodeToEnd(int a) {
    if (a < 0)
        return;
    NodeTable.moveToEnd(a);
    if (view.CurrentNode > a) {
        --view.CurrentNode;
    } else if (view.CurrentNode == a) {
        view.CurrentNode = NodeTable.NodeCount() - 1;
    }
    MarkModified();
}

void Document::MeasureNameExtent(int i) {
    const tnode &node = NodeTable[i];
    const tmyfont &font = node.font.isSet() ? node.font : settings.chartFont;
    NodeTable.nameExtent(i) = MeasureMultiLineText(node.name, font);
}

void Document::MeasureEditedName(int i) {
    NodeTable.nameExtent(i) = EditedNameExtent(NodeTable[i], settings);
}

NameExtent EditedNameExtent(const tnode &node, const DocumentSettings &settings) {
    const bool own = node.isPerson() && node.font.isSet();
    return MeasureMultiLineText(node.name, own ? node.font : settings.chartFont);
}

void Document::MeasureAllNames() {
    for (int i = 0; i < NodeTable.NodeCount(); ++i)
        MeasureNameExtent(i);
}

void Document::ClearTable() {
    NodeTable.clear();
    view.CurrentNode = -1;
}

void Document::ResetSettings() {
    settings.reset();
    view.ViewOriginX = 0;
    view.ViewOriginY = 0;
    NodeTable.clearSelection();
}

void Document::adoptLoaded(Document &loaded) {
    std::swap(NodeTable, loaded.NodeTable);
    std::swap(settings, loaded.settings);
    std::swap(info_, loaded.info_);
    view.ViewOriginX = 0;
    view.ViewOriginY = 0;
    view.LastMouseX = -1;
    view.LastMouseY = -1;
    // The old index would point into the new table.
    view.CurrentNode = -1;
}

QString TitleFor(const QString &baseCaption, const QString &fileName) {
    if (fileName.isEmpty())
        return baseCaption;
    return baseCaption + QStringLiteral(" - ") + QFileInfo(fileName).completeBaseName();
}

QString ScaleCaption(const MessageTable &messages, std::uint32_t percent) {
    return QStringLiteral("%1 (%2%)").arg(messages.text(Msg::mMashtab)).arg(percent);
}

}  // namespace kinvarro
