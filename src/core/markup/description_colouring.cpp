#include "markup/description_colouring.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "markup/markup_reader.h"
#include "markup/markup_writer.h"
#include "markup/rich_text_document.h"
#include "model/element_table.h"
#include "text/cp1251.h"
#include "text/cp1251_upper.h"

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

// The upper-cased Windows-1251 text with a paragraph break as CR LF, and for
// each of its bytes the document position it stands for.
struct SearchText {
    std::string upper;
    std::vector<int> position;
};

SearchText searchTextOf(const QTextDocument &doc) {
    const QString raw = doc.toRawText();
    SearchText t;
    t.upper.reserve(std::size_t(raw.size()) + 16);
    t.position.reserve(std::size_t(raw.size()) + 16);
    for (int p = 0; p < raw.size(); ++p) {
        const QChar c = raw[p];
        if (c == QChar::ParagraphSeparator) {
            t.upper += "\r\n";
            t.position.insert(t.position.end(), {p, p});
        } else if (c == QChar::LineSeparator) {
            t.upper += '\n';
            t.position.push_back(p);
        } else {
            const std::string byte = toCp1251(QStringView(&c, 1));
            t.upper += UpperCp1251(byte.empty() ? '?' : byte[0]);
            t.position.push_back(p);
        }
    }
    return t;
}

void colourOccurrences(QTextDocument &doc, const SearchText &t, std::string_view upperNeedle,
                       const QTextCharFormat &red) {
    if (upperNeedle.empty() || t.upper.size() < 2)
        return;
    const std::string_view text = t.upper;
    const std::size_t lastStart = text.size() - 1;  // an occurrence starting there is left out
    for (std::size_t s = text.find(upperNeedle); s != std::string_view::npos && s < lastStart;
         s = text.find(upperNeedle, s + 1)) {
        const std::size_t end = s + upperNeedle.size();
        if (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x3A)
            continue;
        mergeRange(doc, t.position[s], t.position[end - 1] + 1, red);
    }
}

std::vector<std::string> wordsOf(std::string_view upperName) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : upperName) {
        const bool separator = static_cast<unsigned char>(c) < 0x21 || c == '(' || c == ')';
        if (!separator) {
            word += c;
            continue;
        }
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty())
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
    const std::string upperName = UpperCp1251(name);
    colourOccurrences(scratch, text, upperName, red);
    for (const std::string &word : wordsOf(upperName))
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
