#include <gtest/gtest.h>

#include "edit/document_session.h"

#include "interaction/element_commands.h"
#include "interaction_support.h"
#include "recording_host.h"
#include "scripted_prompts.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ElementCommandsTest : public ::testing::Test {
  protected:
    Document doc;
    DocumentSession session{doc};
    RecordingHost host{doc, session};
    ScriptedPrompts prompts;
    ElementCommands commands{session, host, prompts};
};

}  // namespace

TEST_F(ElementCommandsTest, AddingPlacesTheElementAtThePressAndOpensItsEditor) {
    addBox(doc, 0, 0);
    doc.view.LastMouseX = 250;
    doc.view.LastMouseY = 140;
    doc.view.ViewOriginX = -50;
    std::vector<bool> justAdded;
    host.editor = [&](int, bool added) {
        justAdded.push_back(added);
        EXPECT_FALSE(doc.DocumentModified) << "adding alone does not mark the change";
        return true;
    };
    host.screenCursor = ChartCursor::HandGrabs;
    commands.addElement(kHistoricalEvent);
    ASSERT_EQ(doc.NodeTable.NodeCount(), 2);
    const tnode &added = doc.NodeTable[1];
    EXPECT_EQ(added.kind, kHistoricalEvent);
    EXPECT_EQ(added.name, toDocText(doc.messages().text(Msg::mTimeLine)));
    EXPECT_EQ(QPoint(added.x, added.y), QPoint(300, 140));
    EXPECT_EQ(host.edited, std::vector<int>{1});
    EXPECT_EQ(justAdded, std::vector<bool>{true});
    EXPECT_EQ(doc.view.CurrentNode, 1);
    EXPECT_TRUE(doc.DocumentModified) << "the editor's apply marks the change";
    session.undoStack().undo();
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1) << "the addition is one step";
    EXPECT_FALSE(doc.DocumentModified);
    EXPECT_EQ(host.screenCursor, std::nullopt);
    EXPECT_EQ(host.cursor, ChartCursor::HandFlat);
}

TEST_F(ElementCommandsTest, CancellingTheFirstEditingRemovesTheNewElement) {
    addBox(doc, 0, 0);
    host.editor = [](int, bool) { return false; };
    commands.addElement(kPerson);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_EQ(doc.view.CurrentNode, -1);
    EXPECT_FALSE(doc.DocumentModified);

    // An editor that takes the cancelled element away itself leaves the rest alone.
    host.editor = [this](int, bool) {
        session.discardNewElement();
        return false;
    };
    commands.addElement(kPerson);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
}

TEST_F(ElementCommandsTest, AFullTableRefusesWithoutOpeningTheEditor) {
    for (int i = 0; i < kMaxNodes; ++i)
        doc.NodeTable.append(tnode{});
    commands.addElement(kPerson);
    EXPECT_EQ(doc.NodeTable.NodeCount(), kMaxNodes);
    EXPECT_TRUE(host.edited.empty());
    ASSERT_EQ(prompts.told.size(), 1);
    EXPECT_TRUE(prompts.told[0].startsWith(doc.messages().text(Msg::mError) + '|'));
}

TEST_F(ElementCommandsTest, DeleteRemovesTheCurrentElementAtOnce) {
    addBox(doc, 0, 0);
    const int child = addBox(doc, 0, 100);
    doc.NodeTable[child].fatherIndex = 0;
    doc.view.CurrentNode = 0;
    commands.NDelClick();
    ASSERT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_EQ(doc.NodeTable[0].fatherIndex, -1);
    EXPECT_EQ(doc.view.CurrentNode, -1);
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_TRUE(prompts.asked.isEmpty());

    doc.DocumentModified = false;
    commands.NDelClick();
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
    EXPECT_FALSE(doc.DocumentModified);
}

TEST_F(ElementCommandsTest, DeletingTheSelectionKeepsTheLinksAmongTheRest) {
    // Five elements; 1 and 3 are selected. 4's parents are 2 and 0, 2's are 1 and 3.
    for (int i = 0; i < 5; ++i)
        addBox(doc, i * 100, 0);
    doc.NodeTable[4].motherIndex = 2;
    doc.NodeTable[4].fatherIndex = 0;
    doc.NodeTable[2].motherIndex = 1;
    doc.NodeTable[2].fatherIndex = 3;
    doc.NodeTable.setSelected(1, true);
    doc.NodeTable.setSelected(3, true);
    host.delSelectedVisible = true;
    prompts.answers = {Answer::Yes};
    commands.NdelSelectedClick();

    ASSERT_EQ(doc.NodeTable.NodeCount(), 3);
    EXPECT_EQ(QPoint(doc.NodeTable[1].x, doc.NodeTable[2].x), QPoint(200, 400));
    EXPECT_EQ(doc.NodeTable[2].motherIndex, 1);
    EXPECT_EQ(doc.NodeTable[2].fatherIndex, 0);
    EXPECT_EQ(doc.NodeTable[1].motherIndex, -1);
    EXPECT_EQ(doc.NodeTable[1].fatherIndex, -1);
    EXPECT_TRUE(doc.NodeTable.selectedIndexes().empty());
    EXPECT_TRUE(doc.DocumentModified);
    EXPECT_EQ(host.delSelectedVisible, false);
    EXPECT_TRUE(prompts.asked[0].endsWith(" 2 " + doc.messages().text(Msg::mElements) + "?"));
}

TEST_F(ElementCommandsTest, TheQuestionCountsManyAndNamesOne) {
    struct Case {
        std::vector<const char *> selectedNames;
        const char *question;
    } cases[] = {
        {{"A", "B", "C"}, "Вы действительно желаете удалить 3 элемент(ов)?"},
        {{"Иван"}, "Вы действительно желаете удалить элемент Иван?"},
        {{"Иван\r\nПетров"}, "Вы действительно желаете удалить элемент Иван\r\nПетров?"},
    };
    for (const Case &c : cases) {
        Document d;
        DocumentSession s{d};
        RecordingHost h{d, s};
        ScriptedPrompts p;
        ElementCommands cmds{s, h, p};
        addPerson(d, 0, 0, -1, -1, "unselected");
        for (const char *name : c.selectedNames)
            d.NodeTable.setSelected(addPerson(d, 0, 0, -1, -1, std::string(name)), true);
        p.answers = {Answer::No};
        cmds.NdelSelectedClick();
        EXPECT_EQ(p.asked,
                  QStringList{QString::fromUtf8("Удаление|") + QString::fromUtf8(c.question)});
        EXPECT_EQ(d.NodeTable.NodeCount(), int(c.selectedNames.size()) + 1) << "No keeps them";
        EXPECT_FALSE(d.DocumentModified);
    }
}

TEST_F(ElementCommandsTest, WithoutASelectionNothingIsAsked) {
    addBox(doc, 0, 0);
    host.delSelectedVisible = true;
    commands.NdelSelectedClick();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(host.delSelectedVisible, true);
    EXPECT_EQ(doc.NodeTable.NodeCount(), 1);
}
