#include <gtest/gtest.h>

#include "edit/document_session.h"

#include <QTextCursor>
#include <QTextDocument>

#include "editors/info_edit.h"
#include "editors/selection_format.h"
#include "markup/description_text.h"
#include "model/document.h"
#include "test_support.h"

using namespace kinvarro;

namespace {

// Every attribute the markup carries, on different runs and paragraphs.
const char *const kRichInfo =
    "<`S=12><`F=Arial><`C=0><B>bold</B> <I>italic</I> <U>under</U>\r\n"
    "<R><`S=20><`F=Times New Roman><`C=255>right red\r\n<C>centre\r\n<L>left";

void AppendEmptyLines(QTextDocument &doc) {
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    end.insertBlock();
}

TEST(InfoEditor, EditingTheFieldLeavesTheDocumentUntilApplied) {
    QTextDocument original;
    LoadDescription(std::string(kRichInfo), original);
    const std::string expected = DescriptionMarkup(original);

    Document doc;
    DocumentSession session{doc};
    LoadDescription(std::string(kRichInfo), doc.info());
    AppendEmptyLines(doc.info());  // the editor shows the text without them
    const std::string stored = DescriptionMarkup(doc.info());

    QTextDocument field;
    OpenInfoText(doc, field);
    EXPECT_EQ(DescriptionMarkup(field), expected);
    EXPECT_EQ(DescriptionMarkup(doc.info()), stored) << "opening changes nothing to save";

    QTextCursor all(&field);
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
    ASSERT_NE(DescriptionMarkup(field), expected);
    // Cancelling is not applying: the document's text is the snapshot.
    EXPECT_EQ(DescriptionMarkup(doc.info()), stored);
    EXPECT_FALSE(doc.DocumentModified);

    ApplyInfoText(session, field);
    EXPECT_EQ(DescriptionMarkup(doc.info()), DescriptionMarkup(field));
    EXPECT_NE(DescriptionMarkup(doc.info()).find("<`S=30>"), std::string::npos);
}

// Typed text carries no attributes of its own: it is shown in the field's
// defaults, the bar reports those, and they are what is stored.
TEST(InfoEditor, TypedTextIsStoredAndShownInTheFieldDefaults) {
    Document doc;
    DocumentSession session{doc};
    QTextDocument field;
    SetInfoFieldDefaults(field);
    OpenInfoText(doc, field);
    QTextCursor typing(&field);
    typing.insertText("typed");
    typing.setPosition(1);
    const SelectionFormat shown = FormatOfSelection(typing);
    EXPECT_EQ(shown.colour, 0x000080);
    EXPECT_EQ(shown.size, 10);
    EXPECT_EQ(shown.face, "MS Sans Serif");
    ApplyInfoText(session, field);
    QTextCursor stored(&doc.info());
    stored.setPosition(1);
    EXPECT_EQ(FormatOfSelection(stored).colour, 0x000080);
    EXPECT_NE(DescriptionMarkup(doc.info()).find("<`C=128>"), std::string::npos)
        << DescriptionMarkup(doc.info());
}

TEST(InfoEditor, ApplyMarksModifiedAndTrims) {
    Document doc;
    DocumentSession session{doc};
    QTextDocument field;
    OpenInfoText(doc, field);
    QTextCursor(&field).insertText("text");
    AppendEmptyLines(field);
    ApplyInfoText(session, field);
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(doc.info().toPlainText(), "text");
}

}  // namespace
