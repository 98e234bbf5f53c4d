#include "editors/info_edit.h"

#include <QTextDocument>

#include "editors/description_text.h"
#include "model/document.h"

namespace kinvarro {

namespace {

// Text written by the markup writer always reads back, so the copy cannot fail.
void CopyThroughMarkup(const QTextDocument &from, QTextDocument &to) {
    (void)LoadDescription(DescriptionMarkup(from), to);
}

}  // namespace

void OpenInfoText(Document &doc, QTextDocument &field) {
    RemoveTrailingEmptyLines(doc.info());
    CopyThroughMarkup(doc.info(), field);
}

void ApplyInfoText(Document &doc, QTextDocument &field) {
    doc.MarkModified();
    RemoveTrailingEmptyLines(field);
    CopyThroughMarkup(field, doc.info());
}

}  // namespace kinvarro
