#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <random>

#include "edit/document_session.h"
#include "model/grid_snap.h"
#include "persistence/native_format.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

QByteArray saved(const Document &doc) {
    QByteArray bytes;
    EXPECT_TRUE(writeNativeDocument(doc, bytes).ok());
    return bytes;
}

// A chart of `count` persons with parents among the earlier ones.
void generateChart(Document &doc, std::mt19937 &random, int count) {
    std::uniform_int_distribution<int> coordinate(-2000, 2000);
    for (int i = 0; i < count; ++i) {
        const int father = i > 0 && random() % 2 ? int(random() % unsigned(i)) : -1;
        const int mother = i > 0 && random() % 2 ? int(random() % unsigned(i)) : -1;
        const int index = addPerson(doc, coordinate(random), coordinate(random), mother, father,
                                    "P" + std::to_string(i));
        doc.NodeTable[index].media = {"a.jpg", "b" + std::to_string(i % 3) + ".jpg"};
        doc.MeasureNameExtent(index);
    }
    QTextCursor(&doc.info()).insertText("information");
}

// One random edit of every kind the history holds.
void randomEdit(DocumentSession &session, std::mt19937 &random) {
    const ElementTable &table = session.table();
    const int count = table.NodeCount();
    auto anyElement = [&] { return int(random() % unsigned(count)); };
    auto someElements = [&] {
        std::vector<int> chosen;
        for (int i = 0; i < count; ++i)
            if (random() % 4 == 0)
                chosen.push_back(i);
        return chosen;
    };
    switch (count < 3 ? 5 : random() % 9) {
        case 0: {  // a drag: bring to front, several moves, snap, as one step
            session.beginGesture("drag");
            const int pressed = anyElement();
            session.bringToFront(pressed);
            std::vector<int> moved = someElements();
            moved.push_back(count - 1);
            for (int step = 0; step < 3; ++step)
                session.moveElementsBy(moved, int(random() % 50) - 25, int(random() % 50) - 25);
            session.snapToGrid(moved);
            session.endGesture();
            break;
        }
        case 1:
            session.setParentLink(anyElement(), random() % 2,
                                  int(random() % unsigned(count + 1)) - 1);
            break;
        case 2: {
            const int index = anyElement();
            tnode node = table[index];
            node.name += "\r\nedited";
            node.description = "<B>new</B>";
            node.sex = std::uint8_t(random() % 3);
            node.font = {"Times New Roman", 12, 204, 0xFF, kStyleBold};
            node.media.push_back("c.jpg");
            session.replaceElement(index, std::move(node));
            break;
        }
        case 3:
            session.deleteElements(someElements());
            break;
        case 4: {
            DocumentSettings settings = session.settings();
            settings.lineWidth = int(random() % 4);
            settings.alignToGrid = random() % 2;
            settings.chartFont.size = 8 + int(random() % 8);
            settings.backgroundColor = TColor(random() & 0xFFFFFF);
            session.changeSettings(settings, "settings");
            break;
        }
        case 5: {
            session.view().LastMouseX = int(random() % 500);
            session.view().LastMouseY = int(random() % 500);
            const std::optional<int> added = session.beginNewElement(kPerson);
            tnode node = table[*added];
            node.name = "new";
            node.fatherIndex = count > 0 ? anyElement() : -1;
            session.applyNewElement(std::move(node));
            break;
        }
        case 6: {
            QTextDocument text;
            QTextCursor(&text).insertText(QStringLiteral("info %1").arg(random()));
            session.setInformationText(text);
            break;
        }
        case 7: {
            std::vector<std::pair<int, tnode>> renamed;
            for (int i : someElements()) {
                tnode node = table[i];
                node.media.assign(1, "renamed.jpg");
                renamed.emplace_back(i, std::move(node));
            }
            session.replaceElements(renamed, "media");
            break;
        }
        default:
            session.bringToFront(anyElement());
            break;
    }
}

}  // namespace

TEST(DocumentSession, UndoingEveryEditGivesBackTheSavedBytesAndRedoingGivesTheEdited) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        Document doc;
        generateChart(doc, random, 5 + int(seed % 30));
        DocumentSession session{doc};
        doc.NodeTable.setSelected(0, true);
        const QByteArray original = saved(doc);

        const int edits = 5 + int(random() % 25);
        for (int e = 0; e < edits; ++e) {
            randomEdit(session, random);
            // Each step undoes and redoes on its own too.
            const QByteArray now = saved(doc);
            session.undoStack().undo();
            session.undoStack().redo();
            ASSERT_EQ(saved(doc), now) << "seed " << seed << ", edit " << e;
        }
        const QByteArray edited = saved(doc);
        ASSERT_TRUE(doc.DocumentModified);

        while (session.undoStack().canUndo())
            session.undoStack().undo();
        ASSERT_EQ(saved(doc), original) << "seed " << seed;
        EXPECT_FALSE(doc.DocumentModified) << "back at the state the history began with";
        while (session.undoStack().canRedo())
            session.undoStack().redo();
        ASSERT_EQ(saved(doc), edited) << "seed " << seed;
    }
}

TEST(DocumentSession, UndoLeavesTheViewAndTheSelectionAlone) {
    Document doc;
    addPerson(doc, 0, 0);
    addPerson(doc, 100, 0);
    DocumentSession session{doc};
    session.moveElementsBy({0}, 10, 10);
    session.view().ViewOriginX = 77;
    session.setSelected(1, true);
    session.undoStack().undo();
    EXPECT_EQ(doc.NodeTable[0].x, 0);
    EXPECT_EQ(doc.view.ViewOriginX, 77);
    EXPECT_TRUE(doc.NodeTable.selected(1));
    EXPECT_FALSE(doc.DocumentModified) << "selecting is no change to save";
}

TEST(DocumentSession, TheModifiedFlagFollowsTheSavedPlaceInTheHistory) {
    Document doc;
    addPerson(doc, 0, 0);
    DocumentSession session{doc};
    int notices = 0;
    QObject::connect(&session, &DocumentSession::changed, [&] { ++notices; });

    session.moveElementsBy({0}, 5, 0);
    session.markSaved();
    EXPECT_FALSE(doc.DocumentModified);
    session.moveElementsBy({0}, 5, 0);
    EXPECT_TRUE(doc.DocumentModified);
    session.undoStack().undo();
    EXPECT_FALSE(doc.DocumentModified) << "undone back to what the file holds";
    session.undoStack().undo();
    EXPECT_TRUE(doc.DocumentModified) << "before the save differs from the file too";
    EXPECT_GE(notices, 5);

    // An imported chart is unsaved even with an empty history.
    Document imported;
    addPerson(imported, 0, 0);
    session.replaceDocument(imported, true);
    EXPECT_FALSE(session.undoStack().canUndo());
    session.moveElementsBy({0}, 1, 1);
    session.undoStack().undo();
    EXPECT_TRUE(doc.DocumentModified);
}

TEST(DocumentSession, ADragOfManyMovesIsOneStepWithItsSnapAndItsBringingToFront) {
    Document doc;
    for (int i = 0; i < 4; ++i)
        addPerson(doc, i * 100 + 3, 7);
    doc.settings.alignToGrid = true;
    DocumentSession session{doc};
    const QByteArray before = saved(doc);
    session.beginGesture("drag");
    session.bringToFront(1);
    for (int step = 0; step < 100; ++step)
        session.moveElementsBy({3, 0}, 1, 2);
    session.snapToGrid({3, 0});
    session.endGesture();
    EXPECT_EQ(session.undoStack().count(), 1);
    EXPECT_EQ(session.undoStack().undoText(), "drag");
    session.undoStack().undo();
    EXPECT_EQ(saved(doc), before);
}

TEST(DocumentSession, PressingTheFrontElementWithoutMovingItChangesNothing) {
    Document doc;
    for (int i = 0; i < 3; ++i)
        addPerson(doc, i * 100, 7);
    DocumentSession session{doc};
    session.markSaved();
    session.beginGesture("drag");
    session.bringToFront(2);
    session.endGesture();
    EXPECT_EQ(session.undoStack().count(), 0);
    EXPECT_FALSE(doc.DocumentModified);
    // An element further back does come to the front.
    session.beginGesture("drag");
    session.bringToFront(0);
    session.endGesture();
    EXPECT_EQ(session.undoStack().count(), 1);
    EXPECT_TRUE(doc.DocumentModified);
}

TEST(DocumentSession, AParentLinkMadeWhileDraggingIsAStepOfItsOwnName) {
    const std::pair<bool, const char *> cases[] = {{true, "father"}, {false, "mother"}};
    for (const auto &[father, name] : cases) {
        Document doc;
        for (int i = 0; i < 3; ++i)
            addPerson(doc, i * 100, 7);
        MessageTable english;
        english.setText(Msg::mActSetFather, "set father");
        english.setText(Msg::mActSetMother, "set mother");
        doc.setMessages(&english);
        DocumentSession session{doc};
        const QByteArray before = saved(doc);
        session.beginGesture("drag");
        session.bringToFront(0);
        session.setParentLink(2, father, 1);
        session.moveElementsBy({2}, 5, 5);
        session.endGesture();
        ASSERT_EQ(session.undoStack().count(), 3) << name;
        EXPECT_EQ(session.undoStack().text(0), "drag") << name;
        EXPECT_EQ(session.undoStack().text(1), QString("set ") + name);
        EXPECT_EQ(session.undoStack().text(2), "drag") << name;
        EXPECT_EQ(father ? doc.NodeTable[2].fatherIndex : doc.NodeTable[2].motherIndex, 1);
        while (session.undoStack().canUndo())
            session.undoStack().undo();
        EXPECT_EQ(saved(doc), before) << name;
    }
}

TEST(DocumentSession, DeleteUndoRestoresEveryLinkThatPointedAtTheDeleted) {
    Document doc;
    addPerson(doc, 0, 0);         // 0
    addPerson(doc, 0, 0, 0, -1);  // 1: mother 0
    addPerson(doc, 0, 0, 1, 0);   // 2: mother 1, father 0
    addPerson(doc, 0, 0, 2, 1);   // 3
    DocumentSession session{doc};
    const QByteArray before = saved(doc);
    session.deleteElements({0, 2});
    ASSERT_EQ(doc.NodeTable.NodeCount(), 2);
    EXPECT_EQ(doc.NodeTable[0].motherIndex, -1);
    EXPECT_EQ(doc.NodeTable[1].motherIndex, -1);
    EXPECT_EQ(doc.NodeTable[1].fatherIndex, 0);
    session.undoStack().undo();
    EXPECT_EQ(saved(doc), before);
}
