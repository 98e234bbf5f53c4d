#include <gtest/gtest.h>
#include <random>

#include "gedcom_generator.h"
#include "gedcom_placement_literal.h"
#include "persistence/gedcom_linking.h"
#include "persistence/gedcom_placement.h"
#include "persistence/gedcom_reader.h"
#include "settings/message_table.h"
#include "text/doc_text.h"

using namespace kinvarro;

namespace {

using Coordinates = std::vector<std::int64_t>;

// The placement input of a generated file: its links, and widths from the
// names' lengths, so that many boxes share a width and some rows crowd.
std::vector<PlacementElement> elementsOfGeneratedFile(int persons, unsigned seed) {
    const std::string text = bench::generateGedcom(persons, seed);
    GedcomRecords records;
    EXPECT_EQ(ReadGedcomRecords(text, MessageTable(), records), GedcomReadOutcome::Complete);
    const int used = int(records.individuals.size());
    const ParentLinks links = LinkParents(records, used);
    std::mt19937 random(seed);
    std::vector<PlacementElement> elements(static_cast<std::size_t>(used));
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const std::int64_t width =
            6 * std::int64_t(fromDocText(records.individuals[i].name).size());
        elements[i] = {links.father[i], links.mother[i], random() % 7 == 0 ? 0 : width};
    }
    return elements;
}

}  // namespace

TEST(GedcomPlacement, LaysOutTheWorkedExample) {
    const std::vector<PlacementElement> elements = {
        {-1, -1, 40}, {-1, -1, 50}, {0, 1, 50}, {-1, 1, 40}, {-1, -1, 40}, {2, -1, 60},
    };
    const PlacementResult placed = PlaceGenerations(elements);
    EXPECT_EQ(placed.x, (Coordinates{25, 90, 125, 25, 125, 120}));
    EXPECT_EQ(placed.y, (Coordinates{75, 75, 125, 125, 25, 175}));
    EXPECT_EQ(placed.ownAncestors, 0);
    const PlacementResult literal = bench::PlaceGenerationsLiterally(elements);
    EXPECT_EQ(literal.x, placed.x);
    EXPECT_EQ(literal.y, placed.y);
}

TEST(GedcomPlacement, EmptyChartPlacesNothing) {
    const PlacementResult placed = PlaceGenerations({});
    EXPECT_TRUE(placed.x.empty());
    EXPECT_TRUE(placed.y.empty());
}

TEST(GedcomPlacement, MatchesTheLiteralRulesOnGeneratedFiles) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const int persons = 100 + int(seed * 37 % 400);
        const std::vector<PlacementElement> elements = elementsOfGeneratedFile(persons, seed);
        const PlacementResult fast = PlaceGenerations(elements);
        const PlacementResult literal = bench::PlaceGenerationsLiterally(elements);
        ASSERT_EQ(fast.x, literal.x) << "seed " << seed;
        ASSERT_EQ(fast.y, literal.y) << "seed " << seed;
        EXPECT_EQ(fast.ownAncestors, 0);
    }
}

TEST(GedcomPlacement, MatchesTheLiteralRulesOnCrowdedRows) {
    // Every element in few rows at equal x: long spreading cascades.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        std::vector<PlacementElement> elements(200);
        for (std::size_t i = 0; i < elements.size(); ++i) {
            if (i >= 20 && random() % 5 != 0) {
                elements[i].father = int(random() % 20);
                if (random() % 2)
                    elements[i].mother = int(random() % 20);
            }
            elements[i].width = std::int64_t(random() % 3) * 40;
        }
        const PlacementResult fast = PlaceGenerations(elements);
        const PlacementResult literal = bench::PlaceGenerationsLiterally(elements);
        ASSERT_EQ(fast.x, literal.x) << "seed " << seed;
        ASSERT_EQ(fast.y, literal.y) << "seed " << seed;
    }
}

TEST(GedcomPlacement, EndsOnCyclesAndCountsOwnAncestors) {
    // 0 and 1 are each other's father, 2 is its own mother, 3 is a child of 0.
    const std::vector<PlacementElement> elements = {
        {1, -1, 30}, {0, -1, 30}, {-1, 2, 30}, {0, -1, 30}, {-1, -1, 30},
    };
    const PlacementResult placed = PlaceGenerations(elements);
    EXPECT_EQ(placed.ownAncestors, 3);
    ASSERT_EQ(placed.x.size(), elements.size());
    // Phase 8 still ran: the top-left corner is at (25, 25).
    EXPECT_EQ(*std::min_element(placed.x.begin(), placed.x.end()), 25);
    EXPECT_EQ(*std::min_element(placed.y.begin(), placed.y.end()), 25);
}

namespace {

GedcomIndividual individual(std::string id) {
    GedcomIndividual person;
    person.id = std::move(id);
    return person;
}

}  // namespace

TEST(GedcomLinking, LinksByIdentifierWithTheLastFamilyWinning) {
    GedcomRecords records;
    for (const char *id : {"I1", "I2", "I3", "I4", "i1", "I1"})
        records.individuals.push_back(individual(id));
    GedcomFamily first{true, true, "I2", "I3", {"I4", "i1"}};
    GedcomFamily second{true, false, "I1", "", {"I4", "Ix"}};
    GedcomFamily unresolved{true, true, "nobody", "", {"I4"}};
    records.families = {first, second, unresolved};
    const ParentLinks links = LinkParents(records, 6);
    EXPECT_EQ(links.father, (std::vector<int>{-1, -1, -1, 5, 1, -1}));
    EXPECT_EQ(links.mother, (std::vector<int>{-1, -1, -1, 2, 2, -1}));
    EXPECT_EQ(links.undefinedPersons, 2);  // "nobody" and "Ix"
    // Individuals past the used ones are not linked as parents.
    EXPECT_EQ(LinkParents(records, 4).father, (std::vector<int>{-1, -1, -1, 0}));
}

TEST(GedcomLinking, LinksEveryChildOfALargeFamily) {
    GedcomRecords records;
    records.individuals.push_back(individual("F"));
    GedcomFamily family{true, false, "F", "", {}};
    for (int i = 0; i < 300; ++i) {
        records.individuals.push_back(individual("C" + std::to_string(i)));
        family.children.push_back("C" + std::to_string(i));
    }
    records.families.push_back(family);
    const ParentLinks links = LinkParents(records, int(records.individuals.size()));
    EXPECT_EQ(std::count(links.father.begin(), links.father.end(), 0), 300);
}
