#include <gtest/gtest.h>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "markup/markup_reader.h"
#include "markup/markup_test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

using RichTextDocumentTest = MarkupTest;

TEST_F(RichTextDocumentTest, EmptyDocumentHasNoCharacters) {
    EXPECT_EQ(doc.length(), 0);
    EXPECT_EQ(doc.plainText(), QString());
    doc.appendRun(Alignment::Left, u"abc", plain());
    doc.clear();
    EXPECT_EQ(doc.length(), 0);
    EXPECT_EQ(qdoc.blockCount(), 1);
}

// A text read from markup is where the user's editing starts: undo in the
// field must not take the read runs away again.
TEST_F(RichTextDocumentTest, ReadTextLeavesNothingToUndo) {
    QTextCursor(&qdoc).insertText(QStringLiteral("typed before"));
    ASSERT_TRUE(qdoc.isUndoAvailable());
    MarkupToRichText("one\r\n<R>two", doc);
    EXPECT_EQ(doc.plainText(), QStringLiteral("one\r\ntwo"));
    EXPECT_FALSE(qdoc.isUndoAvailable());
    EXPECT_TRUE(qdoc.isUndoRedoEnabled());
    QTextCursor(&qdoc).insertText(QStringLiteral("typed after"));
    EXPECT_TRUE(qdoc.isUndoAvailable());
}

// An editing field lays out and checks what changed: a text of thousands of
// runs reported run by run made it lay out its paragraph again for each.
TEST_F(RichTextDocumentTest, ReadTextIsReportedAsOneChange) {
    (void)qdoc.documentLayout();  // a document reports changes once it has a layout
    int changes = 0;
    QObject::connect(&qdoc, &QTextDocument::contentsChange, [&] { ++changes; });
    const auto changesReading = [&](int runs) {
        std::string markup;
        for (int i = 0; i < runs; ++i)
            markup += i % 2 ? "<B>bold</B>\r\n" : "<`F=Face" + std::to_string(i) + ">face ";
        changes = 0;
        MarkupToRichText(markup, doc);
        return changes;
    };
    EXPECT_EQ(changesReading(300), changesReading(3));
}

TEST_F(RichTextDocumentTest, CrLfOpensParagraphsLoneLfStaysInsideLoneCrIsDropped) {
    doc.appendRun(Alignment::Centre, u"one\r\ntwo\nthree\rfour\r\n", plain());
    EXPECT_EQ(doc.plainText(), QStringLiteral("one\r\ntwo\nthreefour\r\n"));
    EXPECT_EQ(doc.length(), 20);
    ASSERT_EQ(qdoc.blockCount(), 3);
    EXPECT_EQ(qdoc.begin().next().text(), QStringLiteral("two\u2028threefour"));
    // Paragraphs opened by the run's own breaks inherit its alignment.
    EXPECT_EQ(paragraphAlignments(qdoc),
              (std::vector<Alignment>{Alignment::Centre, Alignment::Centre, Alignment::Centre}));
}

TEST_F(RichTextDocumentTest, AppendGivesTheLastParagraphTheAlignmentFirst) {
    doc.appendRun(Alignment::Left, u"ab\r\ncd", plain());
    doc.appendRun(Alignment::Right, u"ef", bold());
    EXPECT_EQ(paragraphAlignments(qdoc),
              (std::vector<Alignment>{Alignment::Left, Alignment::Right}));
    EXPECT_EQ(spansOf(doc), (std::vector<Span>{{u"ab\r\n", plain(), Alignment::Left},
                                               {u"cd", plain(), Alignment::Right},
                                               {u"ef", bold(), Alignment::Right}}));
}

TEST_F(RichTextDocumentTest, BreakReportsTheFormatItWasInsertedWithAndTheParagraphItEnds) {
    doc.appendRun(Alignment::Centre, u"a", plain());
    doc.appendRun(Alignment::Centre, u"\r\n", italic(colour(255)));
    doc.appendRun(Alignment::Right, u"b", plain());
    EXPECT_EQ(doc.plainText(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(spansOf(doc), (std::vector<Span>{{u"a", plain(), Alignment::Centre},
                                               {u"\r\n", italic(colour(255)), Alignment::Centre},
                                               {u"b", plain(), Alignment::Right}}));
    EXPECT_EQ(doc.attributesAt(1).runEnd, 3);
    EXPECT_EQ(doc.attributesAt(2).runEnd, 3);
    EXPECT_TRUE(qdoc.begin().next().charFormat().fontItalic());
}

TEST_F(RichTextDocumentTest, RunEndCoversTheFragment) {
    doc.appendRun(Alignment::Left, u"abc", plain());
    doc.appendRun(Alignment::Left, u"de", bold());
    EXPECT_EQ(doc.attributesAt(0).runEnd, 3);
    EXPECT_EQ(doc.attributesAt(1).runEnd, 3);
    EXPECT_EQ(doc.attributesAt(3).runEnd, 5);
    EXPECT_EQ(doc.attributesAt(4).character, bold());
}

TEST_F(RichTextDocumentTest, ValuesTheDisplayCannotHoldSurviveRaw) {
    const CharAttributes odd = size(0, colour(-2147483640, face(QString())));
    doc.appendRun(Alignment::Left, u"x", odd);
    doc.appendRun(Alignment::Left, u"y", size(-5, colour(0x12345678)));
    doc.appendRun(Alignment::Left, u"z", size(5000, colour(0x7FFFFFFF)));
    doc.appendRun(Alignment::Left, u"w", size(1638, colour(0x00FFFFFF)));
    EXPECT_EQ(doc.attributesAt(0).character, odd);
    EXPECT_EQ(doc.attributesAt(1).character, size(-5, colour(0x12345678)));
    EXPECT_EQ(doc.attributesAt(2).character, size(5000, colour(0x7FFFFFFF)));
    EXPECT_EQ(doc.attributesAt(3).character, size(1638, colour(0x00FFFFFF)));

    // What the control shows: the low 24 bits as a colour, no size at all.
    QTextCursor cursor(&qdoc);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(8, 0, 0));
    EXPECT_FALSE(cursor.charFormat().hasProperty(QTextFormat::FontPointSize));
    cursor.setPosition(4);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 1638);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 255, 255));
}

TEST_F(RichTextDocumentTest, AnEditInTheControlWinsOverTheRawValue) {
    doc.appendRun(Alignment::Left, u"xy", size(0, colour(-2147483640)));
    ASSERT_EQ(doc.attributesAt(1).character.colour, -2147483640);  // walk is now inside
    QTextCursor cursor(&qdoc);
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    QTextCharFormat change;
    change.setForeground(QColor(0, 0, 255));
    change.setFontPointSize(12);
    cursor.mergeCharFormat(change);
    EXPECT_EQ(doc.attributesAt(0).character, size(0, colour(-2147483640)));
    EXPECT_EQ(doc.attributesAt(1).character, size(12, colour(0xFF0000)));
}

TEST_F(RichTextDocumentTest, ReadsADocumentEditedLikeAControl) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    qdoc.setDefaultFont(font);
    QTextCursor cursor(&qdoc);
    cursor.insertText(QStringLiteral("ab"));
    QTextCharFormat heavy;
    heavy.setFontWeight(QFont::Bold);
    heavy.setFontUnderline(true);
    cursor.insertText(QStringLiteral("c"), heavy);
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    cursor.insertBlock(justified);  // with the format of "c", as Enter after it does
    cursor.insertText(QStringLiteral("d"), QTextCharFormat());
    QTextBlockFormat absolute;
    absolute.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    cursor.insertBlock(absolute);
    cursor.insertText(QStringLiteral("e"));

    const CharAttributes byDefault = size(12, face(QStringLiteral("Times New Roman")));
    EXPECT_EQ(doc.plainText(), QStringLiteral("abc\r\nd\r\ne"));
    EXPECT_EQ(spansOf(doc),
              (std::vector<Span>{{u"ab", byDefault, Alignment::Left},
                                 {u"c\r\n", underline(bold(byDefault)), Alignment::Left},
                                 {u"d\r\n", byDefault, Alignment::Other},
                                 {u"e", byDefault, Alignment::Left}}));
}

TEST_F(RichTextDocumentTest, ReadingSeesLaterChangesAndAnyOrder) {
    doc.appendRun(Alignment::Left, u"abc\r\ndef", plain());
    EXPECT_EQ(doc.attributesAt(7).character, plain());
    QTextCursor cursor(&qdoc);
    cursor.setPosition(5);
    cursor.setPosition(6, QTextCursor::KeepAnchor);  // "e"
    QTextCharFormat change;
    change.setFontItalic(true);
    cursor.mergeCharFormat(change);
    std::vector<CharAttributes> backwards;
    for (qsizetype i = doc.length() - 1; i >= 0; --i)
        backwards.push_back(doc.attributesAt(i).character);
    EXPECT_EQ(backwards, (std::vector<CharAttributes>{plain(), italic(), plain(), plain(), plain(),
                                                      plain(), plain(), plain()}));
}

TEST_F(RichTextDocumentTest, KeepsEveryCodePageCharacter) {
    const QString text = u("Иван Ёлкин\u00A0№\u0098‰");
    doc.appendRun(Alignment::Left, text, face(u("Шрифт")));
    EXPECT_EQ(doc.plainText(), text);
    EXPECT_EQ(doc.attributesAt(0).character.face, u("Шрифт"));
}

}  // namespace
