#include <gtest/gtest.h>

#include "arrange/arrange_command.h"
#include "edit/document_session.h"
#include "model/document.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;

TEST(ArrangeCommand, LaysOutTheChartInOneUndoStep) {
    Document doc;
    const int father = test::addPerson(doc, 500, 900, -1, -1, "Ivan");
    const int mother = test::addPerson(doc, 20, 20, -1, -1, "Maria");
    test::addPerson(doc, 300, 10, mother, father, "Pyotr");
    const int event = test::addPerson(doc, 7, 7, -1, -1, "1812");
    doc.NodeTable[event].kind = kHistoricalEvent;
    doc.MeasureAllNames();
    DocumentSession session(doc);
    test::ScriptedPrompts prompts;
    ArrangeByGenerationsCommand(session, prompts);
    const ElementTable &t = session.table();
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(t[father].y, t[mother].y);  // the couple shares a row
    EXPECT_GT(t[2].y, t[father].y);       // the child stands below
    EXPECT_EQ(t[event].x, 7);             // events stay where they were
    EXPECT_EQ(session.undoStack().count(), 1);
    session.undoStack().undo();
    EXPECT_EQ(t[father].x, 500);
    EXPECT_EQ(t[father].y, 900);
    EXPECT_TRUE(prompts.told.isEmpty());
}
