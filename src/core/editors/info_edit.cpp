#include "editors/info_edit.h"

#include <QFont>
#include <QTextDocument>

#include "edit/document_session.h"
#include "markup/description_text.h"
#include "markup/rich_text_document.h"
#include "model/document.h"

namespace kinvarro {

namespace {

constexpr TColor kInfoTextColour = 0x000080;  // maroon

void CopyThroughMarkup(const QTextDocument &from, QTextDocument &to) {
    LoadDescription(DescriptionMarkup(from), to);
}

}  // namespace

void SetInfoFieldDefaults(QTextDocument &field) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    field.setDefaultFont(font);
    SetDefaultTextColour(field, kInfoTextColour);
}

void OpenInfoText(const Document &doc, QTextDocument &field) {
    CopyThroughMarkup(doc.info(), field);
    RemoveTrailingEmptyLines(field);
}

void ApplyInfoText(DocumentSession &session, QTextDocument &field) {
    RemoveTrailingEmptyLines(field);
    QTextDocument stored;
    CopyThroughMarkup(field, stored);
    session.setInformationText(stored);
}

}  // namespace kinvarro
