#include <gtest/gtest.h>
#include <QTextDocument>

#include "model/document.h"
#include "model/name_measure.h"
#include "model/window_title.h"
#include "test_support.h"
#include "text/cp1251.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

TEST(Document, AddNodeOnAnEmptyTableCreatesTheDefaultPersonAtTheMouse) {
    Document doc;
    doc.view.LastMouseX = 120;
    doc.view.LastMouseY = 50;
    doc.view.ViewOriginX = -20;
    doc.view.ViewOriginY = 10;
    doc.settings.scale = 2.0f;
    const auto index = doc.AddNode(kPerson);
    ASSERT_EQ(index, 0);
    const tnode &node = doc.NodeTable[0];
    EXPECT_EQ(doc.view.CurrentNode, 0);
    EXPECT_EQ(node.x, 70);
    EXPECT_EQ(node.y, 20);
    EXPECT_EQ(node.name, std::string("Новый элемент"));
    EXPECT_EQ(node.sex, kSexMan);
    EXPECT_EQ(node.ownColor, kNoOwnColor);
    EXPECT_EQ(node.motherIndex, -1);
    EXPECT_FALSE(node.font.isSet());
    EXPECT_GE(node.id, 0);
    EXPECT_LE(node.id, 0x7FFFFFFE);
    EXPECT_GT(doc.NodeTable.nameExtent(0).width, 0);
    EXPECT_FALSE(doc.DocumentModified);  // the editor that opens next marks it
}

TEST(Document, AddNodeGivesEventsTheirNameAndUniqueIdsAndRefusesTheFullTable) {
    Document doc;
    doc.settings.alignToGrid = true;
    doc.NodeTable.reserve(kMaxNodes);
    for (int i = 0; i < kMaxNodes - 1; ++i)
        addPerson(doc, 0, 0);
    const auto event = doc.AddNode(kHistoricalEvent);
    ASSERT_EQ(event, kMaxNodes - 1);
    EXPECT_EQ(doc.NodeTable[*event].name, std::string("Временная черта"));
    EXPECT_EQ(doc.NodeTable[*event].kind, kHistoricalEvent);
    // Snapped: the centre of the name box lies in the middle of a grid cell.
    const NameExtent e = doc.NodeTable.nameExtent(*event);
    EXPECT_EQ((doc.NodeTable[*event].y + e.height / 2) % 25, 12);

    doc.view.CurrentNode = 7;
    EXPECT_EQ(doc.AddNode(kPerson), std::nullopt);
    EXPECT_EQ(doc.NodeTable.NodeCount(), kMaxNodes);
    EXPECT_EQ(doc.view.CurrentNode, 7);
}

TEST(Document, DeleteAndMoveKeepCurrentNodeAndModifiedFlag) {
    Document doc;
    for (int i = 0; i < 4; ++i)
        addPerson(doc, 0, 0);
    doc.view.CurrentNode = 3;
    doc.MoveNodeToEnd(1);
    EXPECT_EQ(doc.view.CurrentNode, 2);
    EXPECT_TRUE(doc.DocumentModified);
    doc.MoveNodeToEnd(2);
    EXPECT_EQ(doc.view.CurrentNode, 3);
    doc.DocumentModified = false;
    doc.MoveNodeToEnd(-1);
    EXPECT_FALSE(doc.DocumentModified);
    doc.DeleteNode(0);
    EXPECT_EQ(doc.view.CurrentNode, -1);
    EXPECT_TRUE(doc.DocumentModified);
}

TEST(Document, NamesAreMeasuredLineByLineInTheirOwnOrTheChartFont) {
    Document doc;
    const tmyfont chart = doc.settings.chartFont;
    const NameExtent a = MeasureMultiLineText("A", chart);
    const NameExtent bbb = MeasureMultiLineText("BBB", chart);
    ASSERT_GT(bbb.width, a.width);

    struct Case {
        const char *text;
        int width;
        int lines;
    } cases[] = {{"A\r\nBBB", bbb.width, 2}, {"A\r\n", a.width, 2}, {"A\nBBB", -1, 1}, {"", 0, 1}};
    for (const Case &c : cases) {
        const NameExtent e = MeasureMultiLineText(c.text, chart);
        if (c.width >= 0) {
            EXPECT_EQ(e.width, c.width) << c.text;
        }
        EXPECT_EQ(e.height, c.lines * a.height) << c.text;
    }

    const int plain = addPerson(doc, 0, 0, -1, -1, "Name");
    const int ownFont = addPerson(doc, 0, 0, -1, -1, "Name");
    doc.NodeTable[ownFont].font = {"Arial", 30, 204, 0, kStyleBold};
    doc.MeasureNameExtent(ownFont);
    EXPECT_GT(doc.NodeTable.nameExtent(ownFont).height, doc.NodeTable.nameExtent(plain).height);
    // A face without a size is no font of its own.
    doc.NodeTable[ownFont].font = {"Arial", 0, 0, 0, 0};
    doc.MeasureNameExtent(ownFont);
    EXPECT_EQ(doc.NodeTable.nameExtent(ownFont), doc.NodeTable.nameExtent(plain));
}

TEST(Document, ResetSettingsKeepsPictureCharsetAndElements) {
    Document doc;
    addPerson(doc, 0, 0);
    doc.NodeTable.setSelected(0, true);
    doc.settings.backgroundPicture = QImage(4, 4, QImage::Format_RGB32);
    doc.settings.chartFont = {"Times", 14, 204, 0xFF, kStyleItalic};
    doc.settings.scale = 0.5f;
    doc.settings.lineWidth = 3;
    doc.view.ViewOriginX = -50;
    doc.DocumentModified = true;
    doc.ResetSettings();
    EXPECT_EQ(doc.settings.chartFont, (tmyfont{"Arial Cyr", 10, 204, 0, 0}));
    EXPECT_EQ(doc.settings.scale, 1.0f);
    EXPECT_EQ(doc.settings.lineWidth, 1);
    EXPECT_EQ(doc.settings.pictureMode, PictureMode::None);
    EXPECT_FALSE(doc.settings.backgroundPicture.isNull());
    EXPECT_EQ(doc.view.ViewOriginX, 0);
    EXPECT_FALSE(doc.NodeTable.selected(0));
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_TRUE(doc.DocumentModified);
}

TEST(Document, TitleAndZoomCaption) {
    EXPECT_EQ(TitleFor("Kinvarro", ""), "Kinvarro");
    EXPECT_EQ(TitleFor("Kinvarro", "/home/u/trees/family.kvr"), "Kinvarro - family");
    MessageTable messages;
    EXPECT_EQ(ScaleCaption(messages, 100), QString::fromUtf8("&Маштаб (100%)"));
}

TEST(Document, TitleMarkerFollowsTheTitleAndKeepsItsOwnBracketsAsText) {
    EXPECT_EQ(TitleWithModifiedMarker("Kinvarro - family"), "Kinvarro - family[*]");
    EXPECT_EQ(TitleWithModifiedMarker("Kinvarro - a[*]b"), "Kinvarro - a[*][*]b[*]");
}
