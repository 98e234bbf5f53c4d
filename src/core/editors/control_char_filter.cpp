#include "editors/control_char_filter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "text/control_chars.h"

namespace kinvarro {

namespace {

void dropControlChars(QTextDocument &doc, int position, int added) {
    // From the end, so that the earlier positions stay valid.
    for (int at = std::min(position + added, doc.characterCount()) - 1; at >= position; --at) {
        if (!isUnwantedControl(doc.characterAt(at).unicode()))
            continue;
        QTextCursor cursor(&doc);
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.joinPreviousEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
    }
}

}  // namespace

void keepControlCharsOut(QTextDocument &doc) {
    // The document cannot be edited while it reports a change, so the
    // removal runs as soon as the insertion has finished.
    QObject::connect(
        &doc, &QTextDocument::contentsChange, &doc,
        [&doc](int position, int, int added) {
            if (added > 0)
                dropControlChars(doc, position, added);
        },
        Qt::QueuedConnection);
}

}  // namespace kinvarro
