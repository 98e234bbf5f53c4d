#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "editors/description_text.h"
#include "editors/info_edit.h"
#include "model/document.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::cp;

namespace {

// Every attribute the markup carries, on different runs and paragraphs.
const char *const kRichInfo =
    "<`S=12><`F=Arial><`C=0><B>bold</B> <I>italic</I> <U>under</U>\r\n"
    "<R><`S=20><`F=Times New Roman><`C=255>right red\r\n<C>centre\r\n<L>left";

TEST(InfoEditSession, CancelRestoresEveryAttribute) {
    QTextDocument original;
    ASSERT_TRUE(LoadDescription(cp(kRichInfo), original).ok());
    const std::string expected = DescriptionMarkup(original);

    Document doc;
    QTextDocument &info = doc.info();
    ASSERT_TRUE(LoadDescription(cp(kRichInfo), info).ok());
    QTextCursor end(&info);
    end.movePosition(QTextCursor::End);
    end.insertBlock();  // an empty last line goes when the editor opens
    end.insertBlock();

    InfoEditSession session;
    session.begin(info);
    QTextCursor all(&info);
    all.select(QTextCursor::Document);
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    plain.setFontItalic(false);
    plain.setFontUnderline(false);
    plain.setFontPointSize(30);
    all.mergeCharFormat(plain);
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    all.mergeBlockFormat(left);
    ASSERT_NE(DescriptionMarkup(info), expected);
    session.cancel(info);
    EXPECT_EQ(DescriptionMarkup(info), expected);
    EXPECT_FALSE(doc.DocumentModified);
}

TEST(InfoEditSession, ApplyMarksModifiedAndTrims) {
    Document doc;
    InfoEditSession session;
    session.begin(doc.info());
    QTextCursor cursor(&doc.info());
    cursor.insertText("text");
    cursor.insertBlock();
    cursor.insertBlock();
    session.apply(doc, doc.info());
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(doc.info().toPlainText(), "text");
}

}  // namespace
