#include <gtest/gtest.h>

#include "edit/document_session.h"

#include "interaction/chart_search.h"
#include "interaction_support.h"
#include "recording_host.h"
#include "render/view_geometry.h"
#include "scripted_prompts.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

class ChartSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        addPerson(doc, 100, 50, -1, -1, "Ivanov");
        const int petrov = addPerson(doc, 300, 700, -1, -1, "Petrov");
        doc.NodeTable[petrov].description = "born in <B>Ivanovo</B>";
        addPerson(doc, 0, 0, -1, -1, std::string("Иван"));
        const int pictured = addPerson(doc, 0, 0, -1, -1, "Sidorov");
        doc.NodeTable[pictured].media = {"", "photos\\IVAN.jpg"};
        addPerson(doc, 0, 0, -1, -1, "Ivan\r\nov");
        addPerson(doc, 0, 0, -1, -1, "Hans Müller");
        addPerson(doc, 0, 0, -1, -1, "Σωκράτης");
        const int gothic = addPerson(doc, 0, 0, -1, -1, "李小龍");
        doc.NodeTable[gothic].description = "𐐨𐐯 𐌰";  // Deseret has letter case beyond the BMP
    }

    // Every element the search shows until the end question, answered No.
    std::vector<int> findAll(const QString &query, bool extended) {
        search.restart();
        prompts.answers = {Answer::No};
        std::vector<int> found;
        while (search.sbSearchClick(query, extended) == ChartSearch::Outcome::Found)
            found.push_back(doc.NodeTable.selectedIndexes().front());
        return found;
    }

    Document doc;
    DocumentSession session{doc};
    RecordingHost host{doc, session};
    ScriptedPrompts prompts;
    ChartSearch search{session, host, prompts};
};

}  // namespace

TEST_F(ChartSearchTest, MatchesIgnoreTheCaseOfLettersInEveryScript) {
    struct Case {
        const char *query;
        bool extended;
        std::vector<int> found;
    } cases[] = {
        {"ivan", false, {0, 4}},
        {"IVAN", true, {0, 1, 3, 4}},
        {"<b>iv", true, {1}},
        {"иван", false, {2}},
        {"ИВАН", false, {2}},
        {"Ivanov", false, {0}},
        {"photos\\", false, {}},
        {"photos\\", true, {3}},
        {"", true, {}},
        {"Ivan中", true, {}},
        {"MÜLLER", false, {5}},
        {"müller", false, {5}},
        {"MULLER", false, {}},
        {"ΣΩΚΡΆΤΗΣ", false, {6}},
        {"σωκράτησ", false, {6}},
        {"小龍", false, {7}},
        {"𐐀𐐇", true, {7}},
        {"𐐀𐐇", false, {}},
        {"𐌰", true, {7}},
        // Typed decomposed, it is the same name.
        {"mu\u0308ller", false, {5}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(findAll(QString::fromUtf8(c.query), c.extended), c.found) << c.query;
}

TEST_F(ChartSearchTest, EachSearchContinuesAndTheEndAsksWhetherToStartAgain) {
    const QString query = "ivan";
    EXPECT_EQ(search.sbSearchClick(query, false), ChartSearch::Outcome::Found);
    EXPECT_EQ(doc.NodeTable.selectedIndexes(), std::vector<int>{0});
    EXPECT_EQ(search.sbSearchClick(query, false), ChartSearch::Outcome::Found);
    EXPECT_EQ(doc.NodeTable.selectedIndexes(), std::vector<int>{4});
    EXPECT_TRUE(prompts.asked.isEmpty());

    prompts.answers = {Answer::Yes};
    EXPECT_EQ(search.sbSearchClick(query, false), ChartSearch::Outcome::Found);
    EXPECT_EQ(prompts.asked, QStringList{"Поиск завершен|Произвести поиск с начала?"});
    EXPECT_EQ(doc.NodeTable.selectedIndexes(), std::vector<int>{0});

    // Cancel keeps the bar, and the next search asks again at once.
    search.sbSearchClick(query, false);
    prompts.answers = {Answer::Cancel, Answer::No};
    EXPECT_EQ(search.sbSearchClick(query, false), ChartSearch::Outcome::Kept);
    EXPECT_TRUE(host.searchBarVisible);
    EXPECT_EQ(search.sbSearchClick(query, false), ChartSearch::Outcome::Closed);
    EXPECT_FALSE(host.searchBarVisible);
    EXPECT_EQ(prompts.asked.size(), 3);
}

TEST_F(ChartSearchTest, AQueryFoundNowhereKeepsAskingUntilDeclined) {
    prompts.answers = {Answer::Yes, Answer::Yes, Answer::No};
    EXPECT_EQ(search.sbSearchClick("nobody", true), ChartSearch::Outcome::Closed);
    EXPECT_EQ(prompts.asked.size(), 3);
    EXPECT_GT(host.scrollBarUpdates, 0);
}

TEST_F(ChartSearchTest, TheFoundElementIsSelectedAloneAndCentred) {
    doc.settings.scale = 0.5f;
    doc.NodeTable.setSelected(2, true);
    search.sbSearchClick("petrov", false);
    EXPECT_EQ(doc.NodeTable.selectedIndexes(), std::vector<int>{1});
    EXPECT_EQ(host.delSelectedVisible, true);
    EXPECT_EQ(QPoint(doc.view.ViewOriginX, doc.view.ViewOriginY), QPoint(-150 + 400, -350 + 300));
    EXPECT_EQ(host.bars.ScrollBarV.Position(), 0) << "positions follow within the old range";
    EXPECT_EQ(host.scrollBarSyncs, 1);
    EXPECT_EQ(search.SearchStart(), 2);
}

TEST_F(ChartSearchTest, RestartingBeginsAtTheFirstElementAgain) {
    search.sbSearchClick("ivan", false);
    search.sbSearchClick("ivan", false);
    search.restart();
    search.sbSearchClick("ivan", false);
    EXPECT_EQ(doc.NodeTable.selectedIndexes(), std::vector<int>{0});
}
