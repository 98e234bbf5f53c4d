#include <gtest/gtest.h>
#include <QTextCharFormat>
#include <QTextCursor>
#include <iterator>
#include <random>

#include "markup/markup_reader.h"
#include "markup/markup_test_support.h"
#include "markup/markup_writer.h"
#include "test_support.h"
#include "text/doc_text.h"

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
        "a",      "B",  "C",  "S",    "F",        "L",     "R", "U", "I",
        "`",      "/",  ">",  "=",    " ",        "x",     "7", "-", std::string("Жёлтый"),
        "\u00A0", "Σ😀", "\n", "\r\n", "\r\n\r\n", "word ", "$",
    };
    static const std::vector<std::string> kSwitch = {
        "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<L>", "<R>", "<C>",
    };
    static const std::vector<std::string> kNumbers = {
        "10",         "0",           "-3",          "14",  "1638",     "1639", "305419896",
        "2147483647", "-2147483648", "-2147483640", "255", "16777215", "$FF",  "+8",
    };
    static const std::vector<std::string> kFaces = {
        "Arial", "Times New Roman", "", std::string("Курсив"), "a<B", "x\r\ny", "C=S",
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
        MarkupToRichText(g.markup, doc);
        const std::string written = RichTextToMarkup(doc);

        MarkupToRichText(written, second);
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
        MarkupToRichText(g.markup, doc);
        EXPECT_EQ(toDocText(doc.plainText()), g.text);
        if (HasFailure())
            return;
    }
}

TEST_F(MarkupRoundTripTest, TextThatLooksLikeATagIsBrokenUpByATagThatChangesNothing) {
    // "<" "</B>" "B>" reads as the plain text "<B>", and is written the same way.
    MarkupToRichText("<</B>B>", doc);
    EXPECT_EQ(doc.plainText(), QStringLiteral("<B>"));
    const std::string written = RichTextToMarkup(doc);
    EXPECT_EQ(written, "<`S=10><`F=Arial><`C=0><</U>B>");
    MarkupToRichText(written, doc);
    EXPECT_EQ(doc.plainText(), QStringLiteral("<B>"));
    // A '<' that cannot start a tag is written as it is.
    MarkupToRichText("a < b <x>", doc);
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=10><`F=Arial><`C=0>a < b <x>");
}

TEST_F(MarkupRoundTripTest, WhateverIsTypedComesBackAfterWritingAndReading) {
    static const char *const kPieces[] = {
        "<", ">",   "`",    "/",    "=",       "B",    "I",   "U",  "L", "R", "C",       "S",
        "F", "<B>", "</I>", "<`S=", "<`C=12>", "<`F=", "big", "\n", " ", "x", "\xD0\xAF"};
    std::mt19937 random(11);
    QTextDocument typedQ;
    RichTextDocument typed(typedQ);
    QTextDocument readQ;
    RichTextDocument read(readQ);
    for (int n = 0; n < 2000; ++n) {
        typedQ.clear();
        QTextCursor cursor(&typedQ);
        const int pieces = 1 + int(random() % 12);
        for (int p = 0; p < pieces; ++p) {
            QTextCharFormat format;
            format.setFontWeight(random() % 2 ? QFont::Bold : QFont::Normal);
            format.setFontUnderline(random() % 3 == 0);
            const QString piece = QString::fromUtf8(kPieces[random() % std::size(kPieces)]);
            if (piece == QStringLiteral("\n"))
                cursor.insertBlock();
            else
                cursor.insertText(piece, format);
        }
        const std::string written = RichTextToMarkup(typed);
        MarkupToRichText(written, read);
        ASSERT_EQ(read.plainText(), typed.plainText()) << written;
        EXPECT_EQ(RichTextToMarkup(read), written);
    }
}

}  // namespace
