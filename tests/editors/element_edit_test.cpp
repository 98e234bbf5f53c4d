#include <gtest/gtest.h>

#include "edit/document_session.h"

#include <QTextCursor>
#include <QTextDocument>

#include "editors/element_edit.h"
#include "editors/parent_list.h"
#include "markup/description_text.h"
#include "render/view_geometry.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

QString U(const char *utf8) {
    return QString::fromUtf8(utf8);
}

TEST(ParentList, ItemTextsNameTheParentsThatExist) {
    Document doc;
    DocumentSession session{doc};
    const int petr = addPerson(doc, 0, 0, -1, -1, std::string("Пётр"));
    const int anna = addPerson(doc, 0, 0, -1, -1, std::string("Анна\r\nСидорова"));
    addPerson(doc, 0, 0, anna, petr, std::string("Иван"));
    addPerson(doc, 0, 0, anna, -1, std::string("Иван"));
    addPerson(doc, 0, 0, -1, petr, std::string("Ольга"));
    const QStringList items = ParentListItems(doc);
    ASSERT_EQ(items.size(), doc.NodeTable.NodeCount() + 1);
    EXPECT_EQ(items[0], U("Неизвестно"));
    EXPECT_EQ(items[1], U("Пётр"));
    EXPECT_EQ(items[2], U("Анна Сидорова"));
    EXPECT_EQ(items[3], U("Иван (отец: Пётр, мать: Анна Сидорова)"));
    EXPECT_EQ(items[4], U("Иван (мать: Анна Сидорова)"));
    EXPECT_EQ(items[5], U("Ольга (отец: Пётр)"));
}

TEST(ParentList, TheFilterKeepsTheElementsWhoseNameContainsTheTextInAnyCase) {
    Document doc;
    addPerson(doc, 0, 0, -1, -1, std::string("Пётр Иванович"));
    addPerson(doc, 0, 0, -1, -1, std::string("Анна\r\nСИДОРОВА"));
    addPerson(doc, 0, 0, 1, 0, std::string("Иван"));
    addPerson(doc, 0, 0, -1, -1, "John Smith");
    addPerson(doc, 0, 0, -1, -1, "Zoë Müller");
    addPerson(doc, 0, 0, -1, -1, "Σωκράτης 李小龍");
    const ParentListFilter filter(doc);
    struct Case {
        const char *typed;
        std::vector<int> items;
    } cases[] = {
        {"", {0, 1, 2, 3, 4, 5, 6}},
        {"   ", {0, 1, 2, 3, 4, 5, 6}},
        {"MÜLLER", {0, 5}},
        {"ΣΩΚΡΆΤΗΣ", {0, 6}},
        {"李小龍", {0, 6}},
        {"иван", {0, 1, 3}},
        {"ИВАН", {0, 1, 3}},
        {" сидоро ", {0, 2}},
        {"анна сид", {0, 2}},
        {"пётр", {0, 1}},
        {"smith", {0, 4}},
        // The parents' names in the item text are not the element's name.
        {"отец", {0}},
        {"xyz", {0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(filter.shownItems(QString::fromUtf8(c.typed)), c.items) << c.typed;
    EXPECT_EQ(ParentListFilter().shownItems(QStringLiteral("a")), std::vector<int>{0});
}

struct EditorFixture : ::testing::Test {
    Document doc;
    DocumentSession session{doc};
    QTextDocument description;
    ElementFields fields;

    int open(int index) {
        LoadElement(doc, index, fields, description);
        return index;
    }
};

TEST_F(EditorFixture, UnchangedApplyKeepsFieldsButMarksAndClearsSelection) {
    const int father = addPerson(doc, 0, 0);
    const int i = addPerson(doc, 10, 10, -1, father, std::string("Иван\r\nСидоров"));
    doc.NodeTable[i].description = std::string("<`S=12><`F=Arial><`C=255>Текст");
    doc.NodeTable[i].media = {std::string("Фото\\дед.jpg"), "b.mp3"};
    doc.NodeTable[i].sex = kSexWoman;
    doc.NodeTable[i].fatherImportance = 3;
    doc.NodeTable[i].motherImportance = 0;
    doc.NodeTable.setSelected(father, true);
    const tnode before = doc.NodeTable[i];
    open(i);
    EXPECT_EQ(fields.name, U("Иван\nСидоров"));
    EXPECT_EQ(fields.fatherItem, 1);
    EXPECT_EQ(fields.motherItem, 0);
    EXPECT_EQ(fields.media, (QStringList{U("Фото\\дед.jpg"), "b.mp3"}));
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i], before);
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_FALSE(doc.NodeTable.selected(father));
}

TEST_F(EditorFixture, ParentItemsMapToLinksIncludingSelf) {
    const int i = addPerson(doc, 0, 0);
    open(i);
    fields.fatherItem = 0;
    fields.motherItem = i + 1;  // its own mother, stored as chosen
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i].fatherIndex, -1);
    EXPECT_EQ(doc.NodeTable[i].motherIndex, i);
}

TEST_F(EditorFixture, PersonDescriptionLosesTrailingEmptyLinesEventKeepsThem) {
    const int person = addPerson(doc, 0, 0);
    const int event = addPerson(doc, 0, 0);
    doc.NodeTable[event].kind = kHistoricalEvent;
    for (int i : {person, event}) {
        doc.NodeTable[i].description = "abc\r\n\r\n";
        open(i);
        ApplyElement(session, i, fields, description);
    }
    EXPECT_EQ(doc.NodeTable[person].description.find("\r\n"), std::string::npos);
    EXPECT_NE(doc.NodeTable[event].description.find("abc\r\n\r\n"), std::string::npos);
}

TEST_F(EditorFixture, OwnColourAndFontRules) {
    const int i = addPerson(doc, 0, 0);
    open(i);
    EXPECT_FALSE(fields.useColor);
    EXPECT_FALSE(fields.useFont);
    EXPECT_EQ(fields.font, doc.settings.chartFont);

    // Ticked box with a cancelled colour dialog leaves the swatch at none.
    fields.useColor = true;
    fields.swatch = kNoOwnColor;
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i].ownColor, kNoOwnColor);

    fields.swatch = 0x123456;
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSize(14);
    bold.setBold(true);
    bold.setItalic(true);
    bold.setUnderline(true);
    fields.useFont = true;
    fields.font = FontRecordFromDialog(bold, 0x00FF00);
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i].ownColor, 0x123456);
    EXPECT_EQ(doc.NodeTable[i].font.style, 7);
    EXPECT_EQ(doc.NodeTable[i].font.size, 14);
    EXPECT_EQ(doc.NodeTable[i].font.color, 0x00FF00);

    open(i);
    EXPECT_TRUE(fields.useColor);
    EXPECT_TRUE(fields.useFont);
    EXPECT_EQ(fields.font, doc.NodeTable[i].font);

    fields.useFont = false;
    fields.useColor = false;
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i].font, tmyfont{});
    EXPECT_EQ(doc.NodeTable[i].ownColor, kNoOwnColor);
}

TEST(FontRecord, StrikeOutIsNotStored) {
    QFont strike(QStringLiteral("Arial"));
    strike.setStrikeOut(true);
    EXPECT_EQ(FontRecordFromDialog(strike, 0).style, 0);
    const tmyfont record{std::string("Times"), 12, 204, 0, kStyleUnderline | kStyleItalic};
    EXPECT_EQ(FontRecordFromDialog(DialogFontForRecord(record), 0), record);
}

TEST_F(EditorFixture, NameExtentFollowsOwnFontForPersonsAndChartFontForEvents) {
    const int person = addPerson(doc, 0, 0);
    const int event = addPerson(doc, 0, 0);
    doc.NodeTable[event].kind = kHistoricalEvent;
    const tmyfont big{std::string("Arial"), 30, 204, 0, 0};
    doc.NodeTable[event].font = big;
    for (int i : {person, event}) {
        open(i);
        fields.name = QStringLiteral("one\ntwo\nthree");
        fields.useFont = true;
        fields.font = big;
        ApplyElement(session, i, fields, description);
    }
    EXPECT_EQ(doc.NodeTable[person].name, "one\r\ntwo\r\nthree");
    EXPECT_EQ(doc.NodeTable.nameExtent(person), MeasureMultiLineText("one\r\ntwo\r\nthree", big));
    EXPECT_EQ(doc.NodeTable.nameExtent(event),
              MeasureMultiLineText("one\r\ntwo\r\nthree", doc.settings.chartFont));
    // The event's other fields are not the editor's to change.
    EXPECT_EQ(doc.NodeTable[event].font, big);
}

TEST_F(EditorFixture, EventApplyLeavesPersonOnlyFieldsAlone) {
    const int a = addPerson(doc, 0, 0);
    const int event = addPerson(doc, 0, 0, a, a);
    tnode &node = doc.NodeTable[event];
    node.kind = kHistoricalEvent;
    node.sex = kSexWoman;
    node.motherImportance = 4;
    const tnode before = node;
    open(event);
    fields.sex = 0;
    fields.fatherItem = 0;
    fields.motherItem = 0;
    fields.motherImportance = 0;
    fields.fatherImportance = 2;
    ApplyElement(session, event, fields, description);
    tnode expected = before;
    expected.fatherImportance = 2;
    EXPECT_EQ(doc.NodeTable[event], expected);
}

TEST(CancelElement, RemovesOnlyAJustAddedLastElement) {
    struct Case {
        bool justAdded;
        bool editLast;
        int countAfter;
    };
    for (const Case c : {Case{true, true, 1}, Case{true, false, 2}, Case{false, true, 2}}) {
        Document doc;
        DocumentSession session{doc};
        addPerson(doc, 0, 0);
        ASSERT_EQ(session.beginNewElement(kPerson), 1);
        doc.NodeTable.setSelected(0, true);
        const int edited = c.editLast ? 1 : 0;
        const bool removed = CancelElement(session, edited, c.justAdded);
        EXPECT_EQ(removed, c.countAfter == 1);
        EXPECT_EQ(doc.NodeTable.NodeCount(), c.countAfter);
        EXPECT_FALSE(doc.DocumentModified);
        // The selection goes only with the removed element.
        EXPECT_EQ(doc.NodeTable.selected(0), !removed);
    }
}

// Names and media entries keep every letter of every script: what is typed is
// applied as it is (no question) and opens again unchanged.
TEST_F(EditorFixture, NamesAndMediaEntriesInEveryScriptApplyAndOpenUnchanged) {
    const char *const names[] = {
        "Zoë Müller", "Marie-Thérèse", "Łucja Wójcik", "Σωκράτης", "Иван Петров",
        "אברהם",      "محمد",          "देवनागरी",      "李小龍",   "𐌰",
    };
    for (const char *name : names) {
        const int i = addPerson(doc, 0, 0);
        open(i);
        fields.name = U(name) + U("\n") + U(name);
        fields.media = {U("Fotos Łódź\\") + U(name) + U(".jpg")};
        ApplyElement(session, i, fields, description);
        EXPECT_EQ(doc.NodeTable[i].name, std::string(name) + "\r\n" + name);
        EXPECT_EQ(doc.NodeTable[i].media,
                  std::vector<std::string>{std::string("Fotos Łódź\\") + name + ".jpg"});
        ElementFields reopened;
        LoadElement(doc, i, reopened, description);
        EXPECT_EQ(reopened.name, fields.name) << name;
        EXPECT_EQ(reopened.media, fields.media) << name;
    }
}

// A name typed in decomposed form is stored composed (NFC), so that it compares
// and searches like the same name typed otherwise; a media entry names a file
// and keeps the file system's spelling.
TEST_F(EditorFixture, NamesAreStoredComposedAndMediaEntriesAsSpelled) {
    const int i = addPerson(doc, 0, 0);
    open(i);
    fields.name = U("Zoe\u0308");
    fields.media = {U("Zoe\u0308.jpg")};
    ApplyElement(session, i, fields, description);
    EXPECT_EQ(doc.NodeTable[i].name, "Zo\u00EB");
    EXPECT_EQ(doc.NodeTable[i].media, std::vector<std::string>{"Zoe\u0308.jpg"});
}

TEST(Description, MalformedMarkupOpensAsText) {
    Document doc;
    const int i = addPerson(doc, 0, 0);
    doc.NodeTable[i].description = "<`S=big>x";
    QTextDocument description;
    ElementFields fields;
    LoadElement(doc, i, fields, description);
    EXPECT_EQ(description.toPlainText(), QStringLiteral("<`S=big>x"));
}

TEST(Description, TrailingEmptyLinesGoButOneLineStays) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("a\n\nb\n\n\n"));
    RemoveTrailingEmptyLines(doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("a\n\nb"));
    doc.setPlainText(QStringLiteral("\n\n"));
    RemoveTrailingEmptyLines(doc);
    EXPECT_EQ(doc.toPlainText(), QString());
}

}  // namespace
