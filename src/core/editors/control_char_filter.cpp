#include "editors/control_char_filter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "text/control_chars.h"

namespace kinvarro {

namespace {

void dropControlChars(QTextDocument &doc, int position, int added) {
    // Read paragraph by paragraph: characterAt looks each position up anew.
    const int end = std::min(position + added, doc.characterCount());
    std::vector<int> found;
    for (QTextBlock block = doc.findBlock(position); block.isValid() && block.position() < end;
         block = block.next()) {
        const QString text = block.text();
        const int start = block.position();
        for (int i = std::max(0, position - start); i < text.size() && start + i < end; ++i) {
            if (isUnwantedControl(text[i].unicode()))
                found.push_back(start + i);
        }
    }
    // From the end, so that the earlier positions stay valid.
    for (auto at = found.rbegin(); at != found.rend(); ++at) {
        QTextCursor cursor(&doc);
        cursor.setPosition(*at);
        cursor.setPosition(*at + 1, QTextCursor::KeepAnchor);
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
