#include <gtest/gtest.h>

#include "markup/markup_reader.h"
#include "markup/markup_test_support.h"
#include "markup/markup_value.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

using MarkupReaderTest = MarkupTest;
using A = Alignment;

struct ReaderCase {
    std::string markup;
    std::vector<Span> spans;
    std::vector<Alignment> paragraphs = {A::Left};
};

void expectReads(RichTextDocument &doc, QTextDocument &qdoc, const std::vector<ReaderCase> &cases) {
    for (const ReaderCase &c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.markup));
        MarkupToRichText(c.markup, doc);
        EXPECT_EQ(spansOf(doc), c.spans);
        EXPECT_EQ(paragraphAlignments(qdoc), c.paragraphs);
    }
}

TEST_F(MarkupReaderTest, DocumentedCases) {
    expectReads(doc, qdoc,
                {
                    {"", {}},
                    {"<B>a</B>b", {{u"a", bold()}, {u"b", plain()}}},
                    {"<B><B>x</B>y", {{u"x", bold()}, {u"y", plain()}}},
                    {"a<b>c", {{u"a<b>c", plain()}}},
                    {"a<X>b", {{u"a<X>b", plain()}}},
                    {"x > y", {{u"x > y", plain()}}},
                    {"abc<B", {{u"abc<B", plain()}}},
                    {"<`S=14><`F=Times New Roman>T",
                     {{u"T", size(14, face(QStringLiteral("Times New Roman")))}}},
                    {"<`C=255>r", {{u"r", colour(0x000000FF)}}},
                    {"line1\r\nline2", {{u"line1\r\nline2", plain()}}, {A::Left, A::Left}},
                    {"a\rb", {{u"ab", plain()}}},
                    {"a\nb", {{u"a\nb", plain()}}},
                    {"abc<C>def", {{u"abcdef", plain(), A::Centre}}, {A::Centre}},
                });
    MarkupToRichText("line1\r\nline2", doc);
    EXPECT_EQ(qdoc.blockCount(), 2);
    MarkupToRichText("a\nb", doc);
    EXPECT_EQ(qdoc.blockCount(), 1);
}

TEST_F(MarkupReaderTest, ASizeOrColourThatIsNoIntegerIsText) {
    expectReads(doc, qdoc,
                {
                    {"<`S=x>t", {{u"<`S=x>t", plain()}}},
                    {"<B>ab</B>cd<`C=>ef", {{u"ab", bold()}, {u"cd<`C=>ef", plain()}}},
                    {"<`S=big>x<`S=12>y", {{u"<`S=big>x", plain()}, {u"y", size(12)}}},
                    {std::string("x<`S=Десять>y"), {{u"x<`S=Десять>y", plain()}}},
                    {"ab<`S=12 cd", {{u"ab<`S=12 cd", plain()}}},
                });
    for (const char *bad : {"<`S=2147483648>", "<`C=-2147483649>", "<`S= 5>", "<`S=5 >",
                            "<`S=0x10>", "<`C=$100000000>", "<`S=+>", "<`S=$>", "<`S=1.5>"}) {
        MarkupToRichText(bad, doc);
        EXPECT_EQ(spansOf(doc), (std::vector<Span>{{QString::fromLatin1(bad), plain()}})) << bad;
    }
}

TEST_F(MarkupReaderTest, IntegersAreSignedDecimalOrDollarHex) {
    expectReads(doc, qdoc,
                {
                    {"<`C=-2147483648>a<`C=2147483647>b<`S=+12>c<`S=-0>d<`S=007>e",
                     {{u"a", colour(INT32_MIN)},
                      {u"b", colour(INT32_MAX)},
                      {u"c", size(12, colour(INT32_MAX))},
                      {u"d", size(0, colour(INT32_MAX))},
                      {u"e", size(7, colour(INT32_MAX))}}},
                    {"<`C=$FF>a<`C=$ff00>b<`C=$FFFFFFFF>c<`C=-$10>d<`C=$00000000ff>e",
                     {{u"a", colour(0xFF)},
                      {u"b", colour(0xFF00)},
                      {u"c", colour(-1)},
                      {u"d", colour(-16)},
                      {u"e", colour(0xFF)}}},
                });
}

TEST_F(MarkupReaderTest, RawValuesTheDisplayCannotHoldAreKept) {
    expectReads(doc, qdoc,
                {{"<`C=-2147483640>x<`S=0>y<`S=-7><`C=305419896>z<`S=100000>w",
                  {{u"x", colour(-2147483640)},
                   {u"y", size(0, colour(-2147483640))},
                   {u"z", size(-7, colour(305419896))},
                   {u"w", size(100000, colour(305419896))}}}});
}

TEST_F(MarkupReaderTest, AlignmentBelongsToParagraphs) {
    expectReads(doc, qdoc,
                {
                    // A tag in mid-line realigns the whole paragraph; the last one wins.
                    {"a\r\nb<R>c",
                     {{u"a\r\n", plain(), A::Left}, {u"bc", plain(), A::Right}},
                     {A::Left, A::Right}},
                    {"a<R>b<C>c", {{u"abc", plain(), A::Centre}}, {A::Centre}},
                    // Paragraphs opened by a run's breaks inherit its alignment.
                    {"<C>a\r\nb\r\n\r\nc",
                     {{u"a\r\nb\r\n\r\nc", plain(), A::Centre}},
                     {A::Centre, A::Centre, A::Centre, A::Centre}},
                    // An alignment tag followed by no text changes nothing.
                    {"a\r\n<R>", {{u"a\r\n", plain(), A::Left}}, {A::Left, A::Left}},
                    {"<R>a\r\n<L>b",
                     {{u"a\r\n", plain(), A::Right}, {u"b", plain(), A::Left}},
                     {A::Right, A::Left}},
                    {"<R>a\r\n<C>\r\n<L>b",
                     {{u"a\r\n", plain(), A::Right},
                      {u"\r\n", plain(), A::Centre},
                      {u"b", plain(), A::Left}},
                     {A::Right, A::Centre, A::Left}},
                });
}

TEST_F(MarkupReaderTest, CharactersThatFormNoTagStayText) {
    expectReads(doc, qdoc,
                {
                    {"</X><`X=1><``<`C><BB></><`S>", {{u"</X><`X=1><``<`C><BB></><`S>", plain()}}},
                    {"<<B>x", {{u"<", plain()}, {u"x", bold()}}},
                    {"a<L", {{u"a<L", plain()}}},
                    {"a</", {{u"a</", plain()}}},
                    {"a<`", {{u"a<`", plain()}}},
                    {"<`C", {{u"<`C", plain()}}},
                    {"<`F", {{u"<`F", plain()}}},
                    {"b/B>c", {{u"b/B>c", plain()}}},
                    {"<I>i</I><U>u</U>", {{u"i", italic()}, {u"u", underline()}}},
                    {"<`=1>", {{u"<`=1>", plain()}}},
                });
}

TEST_F(MarkupReaderTest, LineBreakInsideATagCandidateLeavesTheCandidate) {
    // By design: CR LF goes to the pending run and the candidate goes on,
    // so a tag may span a line break and a candidate's "<" moves behind it.
    expectReads(doc, qdoc,
                {
                    {"<\r\nB>x", {{u"\r\n", plain()}, {u"x", bold()}}, {A::Left, A::Left}},
                    {"a<\r\nb", {{u"a\r\n<b", plain()}}, {A::Left, A::Left}},
                    {"<\rB>x", {{u"x", bold()}}},
                });
}

TEST_F(MarkupReaderTest, NulEndsTheMarkup) {
    expectReads(doc, qdoc, {{std::string("ab\0<B>c", 7), {{u"ab", plain()}}}});
    expectReads(doc, qdoc, {{std::string("a<`F=x\0>b", 9), {{u"a", plain()}}}});
}

TEST_F(MarkupReaderTest, ValueTagWithoutClosingTakesTheRestOfTheText) {
    expectReads(doc, qdoc,
                {
                    {"ab<`F=Times New", {{u"ab", plain()}}},
                    {"ab<`S=12", {{u"ab", plain()}}},
                });
}

TEST_F(MarkupReaderTest, FaceIsEverythingUpToTheNextClosing) {
    expectReads(doc, qdoc,
                {
                    {"<`F=a<B\r\nc>x", {{u"x", face(u"a<B\r\nc")}}},
                    {"<`F=>x", {{u"x", face(QString())}}},
                    {"<`F=\r>x", {{u"x", face(u"\r")}}},
                });
}

TEST_F(MarkupReaderTest, CyrillicText) {
    expectReads(doc, qdoc,
                {{std::string("<`F=Arial Cyr><B>Иван</B> Пётр\r\n<`C=255>Ёлка № 1"),
                  {{u("Иван"), bold(face(u"Arial Cyr"))},
                   {u(" Пётр\r\n"), face(u"Arial Cyr")},
                   {u("Ёлка № 1"), colour(255, face(u"Arial Cyr"))}},
                  {A::Left, A::Left}},
                 {std::string("<`F=Шрифт>я"), {{u("я"), face(u("Шрифт"))}}}});
}

TEST_F(MarkupReaderTest, EveryCharacterButNulCrAndTagCharactersIsText) {
    std::string markup;
    for (int b = 1; b < 0x80; ++b) {
        if (b != '\r' && b != '<')
            markup.push_back(char(b));
    }
    markup += "Zoë Łódź Σωκράτης Ёлка אברהם محمد देवनागरी 李小龍 𐌰";
    MarkupToRichText(markup, doc);
    EXPECT_EQ(doc.plainText(), fromDocText(markup));
    // A byte that starts no UTF-8 character shows as the replacement character.
    MarkupToRichText(
        "a\xE9"
        "b",
        doc);
    EXPECT_EQ(doc.plainText(), QString::fromUtf16(u"a\uFFFDb"));
}

TEST(MarkupValue, ParsesOnlyWholeIntegers) {
    EXPECT_EQ(parseMarkupInteger("0"), 0);
    EXPECT_EQ(parseMarkupInteger("-2147483640"), -2147483640);
    EXPECT_EQ(parseMarkupInteger("$80000008"), -2147483640);
    EXPECT_EQ(parseMarkupInteger("-$80000000"), INT32_MIN);
    EXPECT_EQ(parseMarkupInteger("00000000000000000000012"), 12);
    EXPECT_EQ(parseMarkupInteger("99999999999999999999999"), std::nullopt);
    EXPECT_EQ(parseMarkupInteger("$FFFFFFFFFFFFFFFFFFFFFFFF"), std::nullopt);
    EXPECT_EQ(parseMarkupInteger(""), std::nullopt);
    EXPECT_EQ(parseMarkupInteger("-"), std::nullopt);
    EXPECT_EQ(parseMarkupInteger("$-1"), std::nullopt);
    EXPECT_EQ(parseMarkupInteger("1e3"), std::nullopt);
    EXPECT_EQ(parseMarkupInteger("12\r\n"), std::nullopt);
}

}  // namespace
