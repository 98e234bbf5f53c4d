#include "markup/description_colouring.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "markup/markup_reader.h"
#include "markup/markup_writer.h"
#include "markup/rich_text_document.h"
#include "model/element_table.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr char16_t kGraveAccent = u'`';

QColor toQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void mergeRange(QTextDocument &doc, int from, int to, const QTextCharFormat &format) {
    QTextCursor cursor(&doc);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

QTextCharFormat colourFormat(std::int32_t colour) {
    QTextCharFormat format;
    format.setForeground(toQColor(colour));
    // Replaces a raw colour with bits above the low 24 that the text may have held.
    format.setProperty(RichTextDocument::kRawColourProperty, int(colour));
    return format;
}

// Deletes the paragraph break in front of `block`, which is empty.
void removeEmptyBlock(QTextDocument &doc, const QTextBlock &block) {
    QTextCursor cursor(&doc);
    cursor.setPosition(block.position() - 1);
    cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

// Of every run of empty lines one stays; empty lines at the end go.
void tidyEmptyLines(QTextDocument &doc) {
    // From the end, so removing a line never moves the ones still to look at.
    for (int n = doc.blockCount() - 1; n >= 1; --n) {
        const QTextBlock block = doc.findBlockByNumber(n);
        if (block.length() == 1 && block.previous().length() == 1)
            removeEmptyBlock(doc, block);
    }
    while (doc.blockCount() > 1 && doc.lastBlock().length() == 1)
        removeEmptyBlock(doc, doc.lastBlock());
}

void colourDigitsAndUnderlineAccented(QTextDocument &doc) {
    const QString text = doc.toRawText();
    const QTextCharFormat blue = colourFormat(kDigitColour);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    for (int p = 0; p < text.size(); ++p) {
        if (text[p].isDigit() && text[p].unicode() < 0x80) {
            int end = p + 1;
            while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
                ++end;
            mergeRange(doc, p, end, blue);
            p = end - 1;
        } else if (text[p] == kGraveAccent && p > 0) {
            mergeRange(doc, p - 1, p, underline);
        }
    }
    for (int p = int(text.size()) - 1; p >= 0; --p) {
        if (text[p] == kGraveAccent) {
            QTextCursor cursor(&doc);
            cursor.setPosition(p);
            cursor.deleteChar();
        }
    }
}

// The case-folded text with a paragraph break as CR LF, and for each of its
// code units the document position it stands for.
struct SearchText {
    QString folded;
    std::vector<int> position;
};

// Simple case folding keeps one code unit per code unit, so positions map
// one to one; characters beyond the first plane are compared as they are.
QChar foldedChar(QChar c) {
    return c.isSurrogate() ? c : QChar(char16_t(QChar::toCaseFolded(char32_t(c.unicode()))));
}

QString foldedText(QStringView text) {
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        folded[i] = foldedChar(text[i]);
    return folded;
}

SearchText searchTextOf(const QTextDocument &doc) {
    const QString raw = doc.toRawText();
    SearchText t;
    t.folded.reserve(raw.size() + 16);
    t.position.reserve(std::size_t(raw.size()) + 16);
    for (int p = 0; p < raw.size(); ++p) {
        const QChar c = raw[p];
        if (c == QChar::ParagraphSeparator) {
            t.folded += QLatin1String("\r\n");
            t.position.insert(t.position.end(), {p, p});
        } else if (c == QChar::LineSeparator) {
            t.folded += QLatin1Char('\n');
            t.position.push_back(p);
        } else {
            t.folded += foldedChar(c);
            t.position.push_back(p);
        }
    }
    return t;
}

void colourOccurrences(QTextDocument &doc, const SearchText &t, QStringView needle,
                       const QTextCharFormat &red) {
    if (needle.isEmpty() || t.folded.size() < 2)
        return;
    const QStringView text = t.folded;
    const qsizetype lastStart = text.size() - 1;  // an occurrence starting there is left out
    for (qsizetype s = text.indexOf(needle); s >= 0 && s < lastStart;
         s = text.indexOf(needle, s + 1)) {
        const qsizetype end = s + needle.size();
        // A letter, digit or colon after it means the name goes on.
        if (end < text.size() && text[end].unicode() >= 0x3A)
            continue;
        mergeRange(doc, t.position[std::size_t(s)], t.position[std::size_t(end - 1)] + 1, red);
    }
}

std::vector<QString> wordsOf(const QString &foldedName) {
    std::vector<QString> words;
    QString word;
    for (const QChar c : foldedName) {
        const bool separator = c.unicode() < 0x21 || c == QLatin1Char('(') || c == QLatin1Char(')');
        if (!separator) {
            word += c;
            continue;
        }
        if (!word.isEmpty())
            words.push_back(std::move(word));
        word.clear();
    }
    if (!word.isEmpty())
        words.push_back(std::move(word));
    if (words.size() > std::size_t(kMaxNameWords))
        words.resize(std::size_t(kMaxNameWords));
    return words;
}

}  // namespace

std::string ColourDescription(std::string_view name, std::string_view description,
                              QTextDocument &scratch) {
    RichTextDocument rich(scratch);
    MarkupToRichText(description, rich);

    QTextCursor all(&scratch);
    all.select(QTextCursor::Document);
    QTextCharFormat size;
    size.setFontPointSize(kColouredTextSize);
    all.mergeCharFormat(size);

    tidyEmptyLines(scratch);
    colourDigitsAndUnderlineAccented(scratch);

    const SearchText text = searchTextOf(scratch);
    const QTextCharFormat red = colourFormat(kNameColour);
    const QString foldedName = foldedText(fromDocText(name));
    colourOccurrences(scratch, text, foldedName, red);
    for (const QString &word : wordsOf(foldedName))
        colourOccurrences(scratch, text, word, red);

    return RichTextToMarkup(rich);
}

std::vector<std::string> ColourDescriptions(const ElementTable &table, QTextDocument &scratch,
                                            const std::function<void(int)> &beforeElement) {
    std::vector<std::string> result;
    result.reserve(std::size_t(table.NodeCount()));
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (beforeElement)
            beforeElement(i);
        result.push_back(ColourDescription(table[i].name, table[i].description, scratch));
    }
    return result;
}

}  // namespace kinvarro
