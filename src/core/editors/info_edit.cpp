#include "editors/info_edit.h"

#include <QTextDocument>

#include "edit/document_session.h"
#include "editors/description_text.h"
#include "model/document.h"

namespace kinvarro {

namespace {

void CopyThroughMarkup(const QTextDocument &from, QTextDocument &to) {
    LoadDescription(DescriptionMarkup(from), to);
}

}  // namespace

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
