#pragma once

#include <QString>
#include <QTextCharFormat>

#include "markup/rich_text_document.h"
#include "model/tnode.h"

class QTextCursor;

namespace kinvarro {

/// What the formatting bar shows of the selection.
struct SelectionFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString face;
    int size = 0;
    TColor colour = 0;
    Alignment alignment = Alignment::Left;
};

/// The attributes at the cursor (of the selection's first character).
SelectionFormat FormatOfSelection(const QTextCursor &cursor);

/// Character formats the bar merges into the selection; each sets one attribute.
QTextCharFormat StyleFormat(FontStyleBit style, bool on);
QTextCharFormat FaceFormat(const QString &face);
QTextCharFormat SizeFormat(int size);
QTextCharFormat ColourFormat(TColor colour);

/// Sets the paragraph alignment of the selection; `Other` changes nothing.
void SetSelectionAlignment(QTextCursor &cursor, Alignment alignment);

QColor ToQColor(TColor colour);
TColor FromQColor(const QColor &colour);

}  // namespace kinvarro
