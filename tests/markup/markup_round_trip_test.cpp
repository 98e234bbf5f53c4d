#include <gtest/gtest.h>
#include <random>

#include "markup/markup_reader.h"
#include "markup/markup_test_support.h"
#include "markup/markup_writer.h"
#include "test_support.h"
#include "text/cp1251.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

using MarkupRoundTripTest = MarkupTest;

// Markup mixing every tag, odd values and text without "<" (text holding "<"
// can form tags once written back: the markup has no escapes).
struct Generated {
    std::string markup;
    std::string text;  // the characters the reader must place, in order
};

Generated generate(std::mt19937 &random) {
    static const std::vector<std::string> kText = {
        "a",    "B",    "C",  "S",    "F",        "L",     "R", "U", "I",
        "`",    "/",    ">",  "=",    " ",        "x",     "7", "-", cp("Жёлтый"),
        "\xA0", "\x98", "\n", "\r\n", "\r\n\r\n", "word ", "$",
    };
    static const std::vector<std::string> kSwitch = {
        "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<L>", "<R>", "<C>",
    };
    static const std::vector<std::string> kNumbers = {
        "10",         "0",           "-3",          "14",  "1638",     "1639", "305419896",
        "2147483647", "-2147483648", "-2147483640", "255", "16777215", "$FF",  "+8",
    };
    static const std::vector<std::string> kFaces = {
        "Arial", "Times New Roman", "", cp("Курсив"), "a<B", "x\r\ny", "C=S",
    };
    auto pick = [&](const std::vector<std::string> &from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    constexpr char kTag = '\x01';  // stands for a tag in `text` until the end
    Generated g;
    const int tokens = std::uniform_int_distribution<int>(0, 40)(random);
    for (int t = 0; t < tokens; ++t) {
        switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0:
            case 1:
            case 2:
            case 3: {
                const std::string text = pick(kText);
                g.markup += text;
                g.text += text;
                break;
            }
            case 4:
                g.markup += "\r";  // dropped unless an LF follows
                g.text += "\r";
                break;
            case 5:
            case 6:
                g.markup += pick(kSwitch);
                g.text += kTag;
                break;
            case 7:
                g.markup += "<`S=" + pick(kNumbers) + ">";
                g.text += kTag;
                break;
            case 8:
                g.markup += "<`F=" + pick(kFaces) + ">";
                g.text += kTag;
                break;
            case 9:
                g.markup += "<`C=" + pick(kNumbers) + ">";
                g.text += kTag;
                break;
        }
    }
    if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
        g.markup += "<`F=Unclosed face";
        g.text += kTag;
    }
    // Where the tags stood: a CR is kept only when an LF follows it there.
    std::string text;
    for (std::size_t i = 0; i < g.text.size(); ++i) {
        const char c = g.text[i];
        if (c == kTag || (c == '\r' && (i + 1 == g.text.size() || g.text[i + 1] != '\n')))
            continue;
        text += c;
    }
    g.text = text;
    return g;
}

TEST_F(MarkupRoundTripTest, GeneratedMarkupIsStableAfterOneRound) {
    std::mt19937 random(20240611);
    QTextDocument secondQ;
    RichTextDocument second(secondQ);
    for (int n = 0; n < 1500; ++n) {
        const Generated g = generate(random);
        SCOPED_TRACE(::testing::PrintToString(g.markup));
        ASSERT_TRUE(MarkupToRichText(g.markup, doc).ok());
        QString unmappable;
        const std::string written = RichTextToMarkup(doc, &unmappable);
        EXPECT_TRUE(unmappable.isEmpty());

        ASSERT_TRUE(MarkupToRichText(written, second).ok()) << written;
        EXPECT_EQ(spansOf(second), spansOf(doc)) << written;
        EXPECT_EQ(paragraphAlignments(secondQ), paragraphAlignments(qdoc)) << written;
        EXPECT_EQ(RichTextToMarkup(second), written);
        if (HasFailure())
            return;
    }
}

TEST_F(MarkupRoundTripTest, NoCharacterIsLostOrMoved) {
    std::mt19937 random(7);
    for (int n = 0; n < 1000; ++n) {
        const Generated g = generate(random);
        SCOPED_TRACE(::testing::PrintToString(g.markup));
        ASSERT_TRUE(MarkupToRichText(g.markup, doc).ok());
        EXPECT_EQ(toCp1251(doc.plainText()), g.text);
        if (HasFailure())
            return;
    }
}

TEST_F(MarkupRoundTripTest, TextThatLooksLikeATagIsNotEscaped) {
    // "<" "</B>" "B>" reads as the plain text "<B>"; written back, it is a tag.
    ASSERT_TRUE(MarkupToRichText("<</B>B>", doc).ok());
    EXPECT_EQ(doc.plainText(), QStringLiteral("<B>"));
    const std::string written = RichTextToMarkup(doc);
    EXPECT_EQ(written, "<`S=10><`F=Arial><`C=0><B>");
    ASSERT_TRUE(MarkupToRichText(written, doc).ok());
    EXPECT_EQ(doc.length(), 0);
}

}  // namespace
