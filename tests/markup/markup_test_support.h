#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QTextDocument>
#include <ostream>
#include <string>
#include <vector>

#include "markup/rich_text_document.h"

namespace kinvarro {

// Readable gtest output for the adapter's types.
void PrintTo(const CharAttributes &attributes, std::ostream *os);
void PrintTo(Alignment alignment, std::ostream *os);

namespace test {

/// Characters with one set of attributes in one alignment, read position by
/// position through `RichTextDocument::attributesAt`.
struct Span {
    Span(QStringView text, CharAttributes attributes, Alignment alignment = Alignment::Left)
        : text(text.toString()), attributes(std::move(attributes)), alignment(alignment) {}

    QString text;
    CharAttributes attributes;
    Alignment alignment = Alignment::Left;
    bool operator==(const Span &) const = default;
};
void PrintTo(const Span &span, std::ostream *os);

/// The content of `doc` as spans, position by position (runEnd is not used).
std::vector<Span> spansOf(const RichTextDocument &doc);

/// Alignment of every paragraph, including those holding no character.
std::vector<Alignment> paragraphAlignments(const QTextDocument &doc);

/// Attribute builders, starting from the reader defaults (Arial 10, black).
CharAttributes plain();
CharAttributes bold(CharAttributes a = plain());
CharAttributes italic(CharAttributes a = plain());
CharAttributes underline(CharAttributes a = plain());
CharAttributes face(QStringView name, CharAttributes a = plain());
CharAttributes size(int points, CharAttributes a = plain());
CharAttributes colour(TColor value, CharAttributes a = plain());

/// A Unicode string from UTF-8 (for Cyrillic test data in the rich text).
QString u(const char *utf8);

/// A QTextDocument with its adapter.
class MarkupTest : public ::testing::Test {
  protected:
    QTextDocument qdoc;
    RichTextDocument doc{qdoc};
};

}  // namespace test
}  // namespace kinvarro
