#include "editors/element_edit.h"

#include <QTextDocument>

#include "edit/document_session.h"
#include "editors/parent_list.h"
#include "markup/description_text.h"
#include "media/media_paths.h"
#include "model/document.h"
#include "model/grid_snap.h"
#include "render/view_geometry.h"
#include "text/doc_text.h"

namespace kinvarro {

namespace {

void FillFont(const Document &doc, const tnode &node, ElementFields &fields) {
    fields.useFont = !node.font.name.empty();
    fields.font = fields.useFont ? node.font : doc.settings.chartFont;
}

tmyfont StoredFont(const ElementFields &fields) {
    if (!fields.useFont)
        return tmyfont{};
    return fields.font;
}

}  // namespace

QString NameForEditor(const std::string &name) {
    QString text = fromDocText(name);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string NameForStorage(const QString &text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toDocText(lines);
}

void LoadElement(const Document &doc, int index, ElementFields &fields,
                 QTextDocument &description) {
    const tnode &node = doc.NodeTable[index];
    const bool person = node.isPerson();
    fields = ElementFields{};
    fields.name = NameForEditor(node.name);
    for (const std::string &entry : node.media)
        if (!entry.empty())
            fields.media << MediaEntryFromDocument(entry);
    if (person)
        SetDefaultDescriptionFormat(description);
    LoadDescription(node.description, description);
    fields.sex = node.sex;
    fields.fatherItem = ParentItemForLink(node.fatherIndex);
    fields.motherItem = ParentItemForLink(node.motherIndex);
    fields.fatherImportance = node.fatherImportance;
    fields.motherImportance = node.motherImportance;
    fields.swatch = node.ownColor;
    fields.useColor = node.ownColor != kNoOwnColor;
    FillFont(doc, node, fields);
    if (person)
        RemoveTrailingEmptyLines(description);
}

tnode AppliedElement(const Document &doc, int index, const ElementFields &fields,
                     QTextDocument &description) {
    tnode node = doc.NodeTable[index];
    const bool person = node.isPerson();
    node.fatherImportance = std::uint8_t(fields.fatherImportance);
    node.name = NameForStorage(fields.name);
    if (person) {
        node.motherImportance = std::uint8_t(fields.motherImportance);
        node.font = StoredFont(fields);
        RemoveTrailingEmptyLines(description);
        node.sex = std::uint8_t(fields.sex);
        node.fatherIndex = ParentLinkForItem(fields.fatherItem);
        node.motherIndex = ParentLinkForItem(fields.motherItem);
    }
    node.description = DescriptionMarkup(description);
    node.ownColor = fields.useColor ? fields.swatch : kNoOwnColor;
    node.media.clear();
    for (const QString &entry : fields.media)
        node.media.push_back(MediaEntryForDocument(entry));
    if (doc.settings.alignToGrid)
        SnapToGrid(node, EditedNameExtent(node, doc.settings), doc.settings);
    return node;
}

void ApplyElement(DocumentSession &session, int index, const ElementFields &fields,
                  QTextDocument &description) {
    tnode node = AppliedElement(session.doc(), index, fields, description);
    if (session.newElement() == index) {
        session.applyNewElement(std::move(node));
    } else {
        session.replaceElement(index, std::move(node));
    }
    session.clearSelection();
}

bool CancelElement(DocumentSession &session, int index, bool justAdded) {
    if (!justAdded || session.newElement() != index)
        return false;
    session.discardNewElement();
    session.clearSelection();
    return true;
}

tmyfont FontRecordFromDialog(const QFont &font, TColor colour, std::uint8_t charset) {
    tmyfont record;
    record.name = toDocText(font.family());
    record.size = font.pointSize() > 0 ? font.pointSize() : 10;
    record.charset = charset;
    record.color = colour;
    record.style =
        std::uint8_t((font.bold() ? kStyleBold : 0) | (font.underline() ? kStyleUnderline : 0) |
                     (font.italic() ? kStyleItalic : 0));
    return record;
}

QFont DialogFontForRecord(const tmyfont &record) {
    QFont font(fromDocText(record.name));
    if (record.size > 0)
        font.setPointSize(record.size);
    font.setBold(record.style & kStyleBold);
    font.setUnderline(record.style & kStyleUnderline);
    font.setItalic(record.style & kStyleItalic);
    return font;
}

}  // namespace kinvarro
