#include "editors/control_char_filter.h"

#include <QTextCursor>
#include <QTextDocument>

#include "text/control_chars.h"

namespace kinvarro {

void keepControlCharsOut(QTextDocument &doc) {
    QObject::connect(&doc, &QTextDocument::contentsChange, &doc,
                     [&doc](int position, int, int added) {
                         if (added <= 0)
                             return;
                         // Removing from the end keeps the earlier positions valid; the
                         // removals are not inserts, so this does not run again.
                         for (int at = position + added - 1; at >= position; --at) {
                             const QChar c = doc.characterAt(at);
                             if (!isUnwantedControl(c.unicode()))
                                 continue;
                             QTextCursor cursor(&doc);
                             cursor.setPosition(at);
                             cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
                             cursor.joinPreviousEditBlock();
                             cursor.removeSelectedText();
                             cursor.endEditBlock();
                         }
                     });
}

}  // namespace kinvarro
