#include "editors/info_edit.h"

#include <QTextDocument>

#include "editors/description_text.h"
#include "model/document.h"

namespace kinvarro {

void InfoEditSession::begin(QTextDocument &info) {
    RemoveTrailingEmptyLines(info);
    snapshot_ = DescriptionMarkup(info);
}

void InfoEditSession::apply(Document &doc, QTextDocument &info) {
    doc.MarkModified();
    RemoveTrailingEmptyLines(info);
}

void InfoEditSession::cancel(QTextDocument &info) {
    // The snapshot was written by the markup writer, so it always reads back.
    (void)LoadDescription(snapshot_, info);
}

}  // namespace kinvarro
