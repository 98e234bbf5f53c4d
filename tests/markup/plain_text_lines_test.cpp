#include <gtest/gtest.h>
#include <QTextDocument>
#include <random>

#include "markup/markup_reader.h"
#include "markup/plain_text_lines.h"
#include "markup/rich_text_document.h"
#include "test_support.h"

using namespace kinvarro;

namespace {

// The lines as the rich text built by the markup reader holds them.
PlainTextLines richTextLines(std::string_view markup) {
    QTextDocument qdoc;
    RichTextDocument rich(qdoc);
    MarkupToRichText(markup, rich);
    return RichTextPlainLines(qdoc);
}

// Markup made of tag pieces, line breaks and arbitrary bytes, so that every
// rule of the tag reader is met in many combinations.
std::string randomMarkup(std::mt19937 &random) {
    static const char *const kPieces[] = {"<",          "</",
                                          "<B>",        "</B>",
                                          "<I>",        "</U>",
                                          "<L>",        "<R>",
                                          "<C>",        "<C",
                                          "<`",         "<`S=12>",
                                          "<`C=$FF00>", "<`F=Times New Roman>",
                                          "<`F=",       "<`S=-3>",
                                          ">",          "B",
                                          "C",          "S",
                                          "F",          "L",
                                          "`",          "=",
                                          "/",          "\r\n",
                                          "\r",         "\n",
                                          " ",          "abc",
                                          "Иван Σ😀",    "<b>",
                                          "x > y",      "<`C=2147483647>",
                                          "<X>",        "\t"};
    std::string markup;
    const int pieces = int(random() % 24);
    for (int i = 0; i < pieces; ++i) {
        if (random() % 5 == 0)
            markup += char(1 + random() % 127);  // document text is valid UTF-8
        else
            markup += kPieces[random() % std::size(kPieces)];
    }
    if (random() % 40 == 0)
        markup += "<`S=bad>";
    if (random() % 40 == 0) {
        std::size_t middle = markup.size() / 2;  // on a character boundary
        while (middle > 0 && (static_cast<unsigned char>(markup[middle]) & 0xC0) == 0x80)
            --middle;
        markup.insert(middle, 1, '\0');
    }
    return markup;
}

}  // namespace

TEST(PlainTextLines, FollowTheTagRulesAndLineBreaks) {
    struct Case {
        std::string markup;
        PlainTextLines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"<B></B><`S=12>", {}},
        {"\r", {}},
        {"<`S=10><`F=Arial><`C=0>Hi <B>there</B>", {"Hi there"}},
        {"line1\r\nline2", {"line1", "line2"}},
        {"a\r\n", {"a", ""}},
        {"\r\n\r\nb", {"", "", "b"}},
        {"a\rb", {"ab"}},
        {"a\nb", {"a", "b"}},
        {"a<b>c x > y a<X>b abc<B", {"a<b>c x > y a<X>b abc<B"}},
        {"abc<C>def", {"abcdef"}},
        {"a<B\r\n>b", {"a", "b"}},
        {"a<B\r\nx", {"a", "<Bx"}},
        {"<`F=no end", {}},
        {"<`>x</L>", {"<`>x</L>"}},
        {std::string("<B>Иван</B>\r\nПётр"), {std::string("Иван"), std::string("Пётр")}},
        {std::string("ab\0<B>cd", 8), {"ab"}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MarkupPlainLines(c.markup), c.lines) << c.markup;
    }
}

TEST(PlainTextLines, AValueThatIsNoIntegerIsTextAsForTheReader) {
    EXPECT_EQ(MarkupPlainLines("text<`S=x>more"), PlainTextLines{"text<`S=x>more"});
    EXPECT_EQ(MarkupPlainLines("<`C=>"), PlainTextLines{"<`C=>"});
}

TEST(PlainTextLines, FromMarkupEqualTheRichTextLinesOnGeneratedMarkup) {
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string markup = randomMarkup(random);
        ASSERT_EQ(MarkupPlainLines(markup), richTextLines(markup)) << markup;
    }
}

TEST(PlainTextLines, OfARichTextSplitParagraphsAndLineBreaks) {
    QTextDocument doc;
    EXPECT_TRUE(RichTextPlainLines(doc).empty());
    doc.setPlainText(QString::fromUtf8("Иван\nline") + QChar(0x2028) + "break\n");
    EXPECT_EQ(RichTextPlainLines(doc), (PlainTextLines{std::string("Иван"), "line", "break", ""}));
}
