#include "markup/rich_text_document.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <cmath>

namespace kinvarro {
namespace {

constexpr char16_t kLineSeparator = 0x2028;  // a line break inside a paragraph

Qt::Alignment toQt(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left:
            return Qt::AlignLeft;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Centre:
            return Qt::AlignHCenter;
        case Alignment::Other:
            break;
    }
    return Qt::AlignJustify;
}

Alignment fromQt(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (horizontal == Qt::AlignLeft || horizontal == Qt::Alignment())
        return Alignment::Left;
    if (horizontal == Qt::AlignRight)
        return Alignment::Right;
    if (horizontal == Qt::AlignHCenter)
        return Alignment::Centre;
    return Alignment::Other;
}

// The 0x00BBGGRR value a displayed colour stands for.
TColor toTColor(const QColor &color) {
    return TColor(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor toQColor(TColor colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::int32_t roundedSize(qreal points) {
    if (!std::isfinite(points))
        return 0;
    return std::int32_t(std::lround(std::clamp(points, qreal(INT_MIN), qreal(INT_MAX))));
}

// A font given in pixels counts at 96 pixels per inch, as the editing fields show it.
std::int32_t DefaultPointSize(const QFont &font) {
    if (font.pointSizeF() > 0)
        return roundedSize(font.pointSizeF());
    if (font.pixelSize() > 0)
        return roundedSize(font.pixelSize() * 72.0 / 96.0);
    return 10;
}

constexpr char kDefaultColourName[] = "kinvarroDefaultTextColour";

QTextCharFormat toFormat(const CharAttributes &attributes) {
    QTextCharFormat format;
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.italic);
    format.setFontUnderline(attributes.underline);
    RichTextDocument::SetFace(format, attributes.face);
    if (attributes.size >= 1 && attributes.size <= RichTextDocument::kMaxDisplaySize)
        format.setFontPointSize(attributes.size);
    else
        format.setProperty(RichTextDocument::kRawSizeProperty, int(attributes.size));
    format.setForeground(toQColor(attributes.colour));
    if ((attributes.colour & ~0xFFFFFF) != 0)
        format.setProperty(RichTextDocument::kRawColourProperty, int(attributes.colour));
    return format;
}

}  // namespace

void RichTextDocument::SetFace(QTextCharFormat &format, const QString &face) {
    format.setFontFamilies(QStringList(face));
    format.setProperty(kFaceProperty, face);
}

RichTextDocument::Load::Load(RichTextDocument &doc)
    : document_(doc.document_), undo_(document_.isUndoRedoEnabled()), cursor_(&document_) {
    document_.setUndoRedoEnabled(false);
    cursor_.beginEditBlock();
}

RichTextDocument::Load::~Load() {
    cursor_.endEditBlock();
    document_.setUndoRedoEnabled(undo_);
}

RichTextDocument::RichTextDocument(QTextDocument &document) : document_(document) {
    changed_ = QObject::connect(&document_, &QTextDocument::contentsChange,
                                [this](int, int, int) { invalidate(); });
}

RichTextDocument::~RichTextDocument() {
    QObject::disconnect(changed_);
}

void RichTextDocument::clear() {
    document_.clear();
    invalidate();
}

QString RichTextDocument::plainText() const {
    QString text;
    text.reserve(length());
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (block != document_.begin())
            text += QLatin1String("\r\n");
        const qsizetype start = text.size();
        text += block.text();
        for (qsizetype i = start; i < text.size(); ++i) {
            if (text[i] == QChar(kLineSeparator))
                text[i] = u'\n';
        }
    }
    return text;
}

qsizetype RichTextDocument::length() const {
    qsizetype length = 0;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (block != document_.begin())
            length += 2;
        length += block.length() - 1;
    }
    return length;
}

void RichTextDocument::appendRun(Alignment alignment, QStringView text,
                                 const CharAttributes &attributes) {
    QTextCursor cursor(&document_);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat blockFormat = cursor.blockFormat();
    if (blockFormat.alignment() != toQt(alignment)) {
        blockFormat.setAlignment(toQt(alignment));
        cursor.setBlockFormat(blockFormat);
    }
    const QTextCharFormat format = toFormat(attributes);
    QString segment;
    segment.reserve(text.size());
    auto flush = [&] {
        if (!segment.isEmpty())
            cursor.insertText(segment, format);
        segment.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                flush();
                cursor.insertBlock(blockFormat, format);
                ++i;
            }
        } else if (c == u'\n') {
            segment += QChar(kLineSeparator);
        } else if (c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1) {
            // Characters QTextCursor would turn into paragraph or frame breaks.
            segment += QChar(QChar::ReplacementCharacter);
        } else {
            segment += QChar(c);
        }
    }
    flush();
    cursor.endEditBlock();
    invalidate();
}

void SetDefaultTextColour(QTextDocument &document, TColor colour) {
    document.setProperty(kDefaultColourName, int(colour));
}

TColor DefaultTextColour(const QTextDocument &document) {
    return document.property(kDefaultColourName).toInt();
}

CharAttributes FormatAttributes(const QTextDocument &document, const QTextCharFormat &format) {
    const QFont fallback = document.defaultFont();
    CharAttributes attributes;
    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : int(fallback.weight());
    attributes.bold = weight >= QFont::DemiBold;
    attributes.italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : fallback.italic();
    attributes.underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                                   format.hasProperty(QTextFormat::FontUnderline)
                               ? format.fontUnderline()
                               : fallback.underline();

    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        attributes.face = families.first();
    else
        attributes.face = fallback.families().value(0, fallback.family());

    if (format.hasProperty(QTextFormat::FontPointSize))
        attributes.size = roundedSize(format.fontPointSize());
    else if (format.hasProperty(RichTextDocument::kRawSizeProperty))
        attributes.size = format.intProperty(RichTextDocument::kRawSizeProperty);
    else
        attributes.size = DefaultPointSize(fallback);

    const TColor shown = format.hasProperty(QTextFormat::ForegroundBrush)
                             ? toTColor(format.foreground().color())
                             : DefaultTextColour(document);
    attributes.colour = shown;
    if (format.hasProperty(RichTextDocument::kRawColourProperty)) {
        const TColor raw = format.intProperty(RichTextDocument::kRawColourProperty);
        if ((raw & 0xFFFFFF) == shown)
            attributes.colour = raw;
    }
    return attributes;
}

PositionAttributes RichTextDocument::attributesAt(qsizetype position) const {
    PositionAttributes result;
    result.runEnd = position + 1;
    if (position < 0)
        return result;

    Walk &w = walk_;
    if (!w.valid || position < w.blockStart) {
        w.block = document_.begin();
        w.blockStart = 0;
        w.fragment = w.block.begin();
        w.fragmentStart = 0;
        w.valid = true;
    }
    // Find the paragraph: its text, then CR LF unless it is the last one.
    qsizetype textEnd = 0;
    qsizetype blockEnd = 0;
    for (;;) {
        if (!w.block.isValid()) {
            invalidate();
            return result;  // past the end
        }
        textEnd = w.blockStart + w.block.length() - 1;
        blockEnd = w.block.next().isValid() ? textEnd + 2 : textEnd;
        if (position < blockEnd)
            break;
        w.block = w.block.next();
        w.blockStart = blockEnd;
        w.fragment = w.block.begin();
        w.fragmentStart = w.blockStart;
    }
    result.alignment = fromQt(w.block.blockFormat().alignment());

    if (position >= textEnd) {
        // The paragraph break: the format the next paragraph was opened with.
        result.character = FormatAttributes(document_, w.block.next().charFormat());
        result.runEnd = blockEnd;
        return result;
    }
    if (position < w.fragmentStart) {
        w.fragment = w.block.begin();
        w.fragmentStart = w.blockStart;
    }
    for (; !w.fragment.atEnd(); ++w.fragment) {
        const QTextFragment fragment = w.fragment.fragment();
        const qsizetype fragmentEnd = w.fragmentStart + fragment.length();
        if (position < fragmentEnd) {
            result.character = FormatAttributes(document_, fragment.charFormat());
            result.runEnd = fragmentEnd;
            return result;
        }
        w.fragmentStart = fragmentEnd;
    }
    invalidate();  // not reached for a consistent document
    return result;
}

}  // namespace kinvarro
