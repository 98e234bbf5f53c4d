#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "editors/element_edit.h"
#include "editors/element_options.h"
#include "editors/selection_format.h"
#include "markup/description_text.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::ScriptedPrompts;

namespace {

TEST(OwnColourBox, CancelledDialogDiffersForPersonsAndEvents) {
    struct Case {
        bool person;
        std::optional<TColor> chosen;
        TColor swatchBefore;
        TColor swatchAfter;
    };
    const Case cases[] = {
        {true, 0x00FF00, kNoOwnColor, 0x00FF00},   {true, std::nullopt, 0x123456, kNoOwnColor},
        {false, std::nullopt, 0x123456, 0x123456}, {false, std::nullopt, kNoOwnColor, kNoOwnColor},
        {false, 0x0000FF, 0x123456, 0x0000FF},
    };
    for (const Case &c : cases) {
        ScriptedPrompts prompts;
        prompts.colours.push_back(c.chosen);
        ElementFields fields;
        fields.swatch = c.swatchBefore;
        SetUseOwnColour(fields, true, c.person, prompts);
        EXPECT_TRUE(fields.useColor);
        EXPECT_EQ(fields.swatch, c.swatchAfter);
        EXPECT_EQ(prompts.colourDialogs, 1);
        SetUseOwnColour(fields, false, c.person, prompts);
        EXPECT_FALSE(fields.useColor);
        EXPECT_EQ(prompts.colourDialogs, 1);
    }
}

// A value outside a fixed list (from a file) is shown as an extra item with its
// number and stored unchanged unless another item is chosen.
TEST(OptionLists, OutOfRangeValuesAreShownAndKept) {
    struct Case {
        int value;
        int fixedItems;
        int item;
        const char *extra;
        int chosen;
        int stored;
    };
    const Case cases[] = {
        {2, kSexItems, 2, "", 2, 2},
        {7, kSexItems, 3, "7", 3, 7},
        {255, kImportanceItems, 5, "255", 5, 255},
        {9, kImportanceItems, 5, "9", 1, 1},
        {0, kImportanceItems, 0, "", -1, 0},
        {4, kImportanceItems, 4, "", 4, 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(OptionItemForValue(c.value, c.fixedItems), c.item);
        EXPECT_EQ(ExtraOptionItem(c.value, c.fixedItems), c.extra);
        EXPECT_EQ(OptionValueForItem(c.chosen, c.fixedItems, c.value), c.stored);
    }
}

TEST(OwnFontBox, CancelUnticksAndChoiceIsStoredWithStyleBitsAndColour) {
    ScriptedPrompts prompts;
    ElementFields fields;
    fields.font = tmyfont{std::string("Arial"), 10, 204, 0x0000FF, 0};
    prompts.fonts.push_back(std::nullopt);
    SetUseOwnFont(fields, true, prompts);
    EXPECT_FALSE(fields.useFont);
    ASSERT_EQ(prompts.fontsShown.size(), 1u);
    EXPECT_EQ(prompts.fontsShown[0].font.family(), "Arial");
    EXPECT_EQ(prompts.fontsShown[0].colour, 0x0000FF);

    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(16);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    prompts.fonts.push_back(FontChoice{chosen, 0x00FF00});
    SetUseOwnFont(fields, true, prompts);
    EXPECT_TRUE(fields.useFont);
    EXPECT_EQ(fields.font.size, 16);
    EXPECT_EQ(fields.font.style, kStyleItalic);
    EXPECT_EQ(fields.font.color, 0x00FF00);
    SetUseOwnFont(fields, false, prompts);
    EXPECT_EQ(prompts.fontDialogs, 2);
}

TEST(FormattingBar, StylesApplyToSelectionAndAreMirrored) {
    QTextDocument doc;
    LoadDescription(std::string("<`S=10><`F=Arial><`C=0>plain <B>bold</B>\r\n<R>right"), doc);
    QTextCursor cursor(&doc);
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);  // "bold"
    SelectionFormat shown = FormatOfSelection(cursor);
    EXPECT_TRUE(shown.bold);
    EXPECT_FALSE(shown.italic);
    EXPECT_EQ(shown.face, "Arial");
    EXPECT_EQ(shown.size, 10);
    // Typed text without attributes of its own shows the field's defaults, by
    // the face name the field asks for.
    QTextDocument typed;
    QFont requested(QStringLiteral("Arial Cyr"));
    requested.setPointSize(12);
    typed.setDefaultFont(requested);
    QTextCursor(&typed).insertText("x");
    QTextCursor at(&typed);
    at.setPosition(1);
    EXPECT_EQ(FormatOfSelection(at).face, "Arial Cyr");
    EXPECT_EQ(FormatOfSelection(at).size, 12);
    EXPECT_EQ(FormatOfSelection(at).colour, 0);

    cursor.mergeCharFormat(StyleFormat(kStyleItalic, true));
    cursor.mergeCharFormat(StyleFormat(kStyleBold, false));
    cursor.mergeCharFormat(ColourFormat(0x0000FF));
    cursor.mergeCharFormat(SizeFormat(14));
    shown = FormatOfSelection(cursor);
    EXPECT_FALSE(shown.bold);
    EXPECT_TRUE(shown.italic);
    EXPECT_EQ(shown.colour, 0x0000FF);
    EXPECT_EQ(shown.size, 14);
    EXPECT_EQ(shown.alignment, Alignment::Left);

    QTextCursor second(&doc);
    second.movePosition(QTextCursor::End);
    EXPECT_EQ(FormatOfSelection(second).alignment, Alignment::Right);
    SetSelectionAlignment(second, Alignment::Centre);
    EXPECT_EQ(FormatOfSelection(second).alignment, Alignment::Centre);
    SetSelectionAlignment(second, Alignment::Other);
    EXPECT_EQ(FormatOfSelection(second).alignment, Alignment::Centre);
    // The first paragraph keeps its attributes outside the selection.
    EXPECT_NE(DescriptionMarkup(doc).find("plain "), std::string::npos);
    EXPECT_NE(DescriptionMarkup(doc).find("<C>"), std::string::npos);
}

}  // namespace
