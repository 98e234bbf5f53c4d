#include "markup/description_text.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "markup/markup_reader.h"
#include "markup/markup_writer.h"

namespace kinvarro {

void SetDefaultDescriptionFormat(QTextDocument &doc) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    doc.setDefaultFont(font);
}

void RemoveTrailingEmptyLines(QTextDocument &doc) {
    while (doc.blockCount() > 1 && doc.lastBlock().text().isEmpty()) {
        // Delete the paragraph break before the empty last paragraph.
        QTextCursor cursor(&doc);
        cursor.setPosition(doc.lastBlock().previous().position() +
                           doc.lastBlock().previous().length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

void LoadDescription(std::string_view markup, QTextDocument &doc) {
    RichTextDocument rich(doc);
    MarkupToRichText(markup, rich);
}

std::string DescriptionMarkup(const QTextDocument &doc) {
    // The adapter only reads here; it needs a mutable reference for its signal hook.
    RichTextDocument rich(const_cast<QTextDocument &>(doc));
    return RichTextToMarkup(rich);
}

}  // namespace kinvarro
