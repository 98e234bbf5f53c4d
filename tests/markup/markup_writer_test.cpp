#include <gtest/gtest.h>
#include <QTextCursor>

#include "markup/markup_reader.h"
#include "markup/markup_test_support.h"
#include "markup/markup_writer.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

using MarkupWriterTest = MarkupTest;
using A = Alignment;

TEST_F(MarkupWriterTest, DocumentedCases) {
    EXPECT_EQ(RichTextToMarkup(doc), "");

    doc.appendRun(A::Left, u"Hi", plain());
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=10><`F=Arial><`C=0>Hi");

    doc.clear();
    doc.appendRun(A::Left, u"H", plain());
    doc.appendRun(A::Left, u"i", bold());
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=10><`F=Arial><`C=0>H<B>i");

    doc.clear();
    doc.appendRun(A::Centre, u"Hi", plain());
    EXPECT_EQ(RichTextToMarkup(doc), "<C><`S=10><`F=Arial><`C=0>Hi");
}

TEST_F(MarkupWriterTest, AlignmentAndStylesComeBeforeSizeFaceColour) {
    doc.appendRun(A::Left, u"a\r\n", plain());
    doc.appendRun(A::Right, u"b", underline(italic(bold(size(12, face(u"Times", colour(255)))))));
    doc.appendRun(A::Right, u"c", italic());
    EXPECT_EQ(RichTextToMarkup(doc),
              "<`S=10><`F=Arial><`C=0>a\r\n"
              "<R><B><I><U><`S=12><`F=Times><`C=255>b"
              "</B></U><`S=10><`F=Arial><`C=0>c");
}

TEST_F(MarkupWriterTest, AlignmentWithoutATagIsStoredButNotWritten) {
    doc.appendRun(A::Left, u"a\r\nb\r\nc", plain());
    QTextCursor cursor(&qdoc);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    cursor.setBlockFormat(justified);  // first paragraph
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.setBlockFormat(justified);  // second paragraph
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=10><`F=Arial><`C=0>a\r\nb\r\n<L>c");
}

TEST_F(MarkupWriterTest, LineBreaksCarryTheirOwnAttributes) {
    doc.appendRun(A::Left, u"a", plain());
    doc.appendRun(A::Left, u"\r\n", bold(colour(255)));
    doc.appendRun(A::Left, u"b\nc", plain());
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=10><`F=Arial><`C=0>a<B><`C=255>\r\n</B><`C=0>b\nc");
}

TEST_F(MarkupWriterTest, NothingIsClosedAtTheEnd) {
    doc.appendRun(A::Left, u"x", underline(italic(bold())));
    EXPECT_EQ(RichTextToMarkup(doc), "<B><I><U><`S=10><`F=Arial><`C=0>x");
}

TEST_F(MarkupWriterTest, MarkerValuesAndEmptyFaceAreStillWritten) {
    doc.appendRun(A::Left, u"x", size(0x12345678, colour(0x12345678, face(QString()))));
    EXPECT_EQ(RichTextToMarkup(doc), "<`S=305419896><`F=><`C=305419896>x");
}

TEST_F(MarkupWriterTest, EveryCharacterIsWrittenAsComposedUtf8) {
    doc.appendRun(A::Left, u("Jürgen ✓ 😀 Иван Zoe\u0308 Σωκράτης"), face(u("Ari✓al")));
    EXPECT_EQ(RichTextToMarkup(doc),
              std::string("<`S=10><`F=Ari✓al><`C=0>Jürgen ✓ 😀 Иван Zoë Σωκράτης"));
}

TEST_F(MarkupWriterTest, CanonicalMarkupComesBackByteForByte) {
    const std::string cases[] = {
        "<`S=10><`F=Arial><`C=0>Hi",
        "<C><B><`S=14><`F=Times New Roman><`C=-2147483640>x</B>y\r\nz",
        "<R><I><`S=0><`F=><`C=305419896>a\nb</I><`S=-3>c\r\n<C>\r\n<L><U>d",
        "<`S=10><`F=Arial><`C=0>a<B>\r\n</B>b",
        std::string("<`S=12><`F=Arial Cyr><`C=255>Иван <B>Петров</B>\r\n<`F=Шрифт>№ 1\u00A0"),
        std::string("<`S=12><`F=Noto Sans Hebrew><`C=0>אברהם <B>محمد</B>\r\n李小龍 𐌰"),
    };
    for (const std::string &markup : cases) {
        MarkupToRichText(markup, doc);
        EXPECT_EQ(RichTextToMarkup(doc), markup);
    }
}

TEST_F(MarkupWriterTest, LongParagraphWithManyRuns) {
    std::string expected = "<`S=10><`F=Arial><`C=0>";
    for (int i = 0; i < 20000; ++i) {
        const bool isBold = i % 2 == 1;
        doc.appendRun(A::Left, u"ab", isBold ? bold() : plain());
        expected += isBold ? "<B>ab" : (i == 0 ? "ab" : "</B>ab");
    }
    EXPECT_EQ(RichTextToMarkup(doc), expected);
}

}  // namespace
