#include "editors/selection_format.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "markup/rich_text_document.h"

namespace kinvarro {

QColor ToQColor(TColor colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TColor FromQColor(const QColor &colour) {
    return TColor(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

SelectionFormat FormatOfSelection(const QTextCursor &cursor) {
    QTextCursor first(cursor);
    // The format reported at a position is the one of the character before it.
    if (cursor.hasSelection())
        first.setPosition(cursor.selectionStart() + 1);
    // Attributes the characters leave unset are the field's defaults, as the markup writes them.
    const CharAttributes attributes = FormatAttributes(*cursor.document(), first.charFormat());
    SelectionFormat result;
    result.bold = attributes.bold;
    result.italic = attributes.italic;
    result.underline = attributes.underline;
    result.face = attributes.face;
    result.size = attributes.size;
    result.colour = attributes.colour;
    const Qt::Alignment align = first.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (align == Qt::AlignRight)
        result.alignment = Alignment::Right;
    else if (align == Qt::AlignHCenter)
        result.alignment = Alignment::Centre;
    else if (align == Qt::AlignLeft || align == Qt::AlignLeading)
        result.alignment = Alignment::Left;
    else
        result.alignment = Alignment::Other;
    return result;
}

QTextCharFormat StyleFormat(FontStyleBit style, bool on) {
    QTextCharFormat format;
    if (style == kStyleBold)
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    else if (style == kStyleItalic)
        format.setFontItalic(on);
    else
        format.setFontUnderline(on);
    return format;
}

QTextCharFormat FaceFormat(const QString &face) {
    QTextCharFormat format;
    RichTextDocument::SetFace(format, face);
    return format;
}

QTextCharFormat SizeFormat(int size) {
    QTextCharFormat format;
    if (size > 0)
        format.setFontPointSize(size);
    return format;
}

QTextCharFormat ColourFormat(TColor colour) {
    QTextCharFormat format;
    format.setForeground(ToQColor(colour));
    return format;
}

void SetSelectionAlignment(QTextCursor &cursor, Alignment alignment) {
    QTextBlockFormat format;
    switch (alignment) {
        case Alignment::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case Alignment::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case Alignment::Centre:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case Alignment::Other:
            return;
    }
    cursor.mergeBlockFormat(format);
}

}  // namespace kinvarro
