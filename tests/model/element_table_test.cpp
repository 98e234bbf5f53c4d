#include <gtest/gtest.h>

#include <random>

#include "model/element_table.h"

using namespace kinvarro;

namespace {

ElementTable tableOf(int count) {
    ElementTable table;
    for (int i = 0; i < count; ++i) {
        tnode node;
        node.id = 1000 + i;
        table.append(node);
        table.nameExtent(i) = {i, i};
        table.setSelected(i, i % 2);
    }
    return table;
}

}  // namespace

TEST(ElementTable, DeletingAMotherUnlinksAllHerChildrenAndShiftsLaterLinks) {
    ElementTable table = tableOf(6);
    // 1 is the mother of 3, 4, 5; 2 is the father of 5.
    for (int child : {3, 4, 5})
        table[child].motherIndex = 1;
    table[5].fatherIndex = 2;
    table.remove(1);
    ASSERT_EQ(table.NodeCount(), 5);
    for (int child : {2, 3, 4})
        EXPECT_EQ(table[child].motherIndex, -1);
    EXPECT_EQ(table[4].fatherIndex, 1);
    EXPECT_EQ(table[1].id, 1002);
    EXPECT_EQ(table.nameExtent(1), (NameExtent{2, 2}));
    EXPECT_FALSE(table.selected(1));
}

TEST(ElementTable, DeletingTheLastElementOnlyRenumbers) {
    ElementTable table = tableOf(3);
    table[0].fatherIndex = 2;
    table[1].motherIndex = 0;
    table.remove(2);
    EXPECT_EQ(table.NodeCount(), 2);
    EXPECT_EQ(table[0].fatherIndex, -1);
    EXPECT_EQ(table[1].motherIndex, 0);
}

TEST(ElementTable, MovingElementZeroToTheEndRenumbersEveryLink) {
    ElementTable table = tableOf(5);
    table[1].fatherIndex = 0;
    table[2].motherIndex = 3;
    table.moveToEnd(0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(table[i].id, 1001 + i);
    EXPECT_EQ(table[4].id, 1000);
    EXPECT_EQ(table[0].fatherIndex, 4);  // former 1 pointed to 0
    EXPECT_EQ(table[1].motherIndex, 2);  // former 2 pointed to 3
    EXPECT_EQ(table.nameExtent(4), (NameExtent{0, 0}));
    EXPECT_TRUE(table.selected(0));  // former 1 was selected
    EXPECT_FALSE(table.selected(4));
}

namespace {

// A chart with random links and a random selection of about `density`.
ElementTable randomChart(std::mt19937 &random, int count, double density) {
    ElementTable table;
    std::uniform_int_distribution<int> link(-1, count - 1);
    std::bernoulli_distribution pick(density);
    for (int i = 0; i < count; ++i) {
        tnode node;
        node.id = i;
        node.name = "N" + std::to_string(i);
        node.motherIndex = link(random);
        node.fatherIndex = link(random);
        table.append(node);
        table.nameExtent(i) = {i, 2 * i};
        table.setSelected(i, pick(random));
    }
    return table;
}

std::vector<int> scanSelected(const ElementTable &table) {
    std::vector<int> selected;
    for (int i = 0; i < table.NodeCount(); ++i) {
        if (table.selected(i))
            selected.push_back(i);
    }
    return selected;
}

}  // namespace

TEST(ElementTable, RemovingTheSelectionAtOnceEqualsRemovingItOneByOne) {
    std::mt19937 random(7);
    for (int count : {0, 1, 2, 60, 700}) {
        for (double density : {0.0, 0.1, 0.5, 1.0}) {
            ElementTable once = randomChart(random, count, density);
            ElementTable oneByOne = once;
            const int selected = int(scanSelected(once).size());
            EXPECT_EQ(once.removeSelected(), selected);
            while (!scanSelected(oneByOne).empty())
                oneByOne.remove(scanSelected(oneByOne).front());

            ASSERT_EQ(once.NodeCount(), oneByOne.NodeCount()) << count << " " << density;
            for (int i = 0; i < once.NodeCount(); ++i) {
                ASSERT_EQ(once[i], oneByOne[i]) << "element " << i;
                ASSERT_EQ(once.nameExtent(i), oneByOne.nameExtent(i));
                ASSERT_FALSE(once.selected(i));
            }
        }
    }
}

TEST(ElementTable, TheListOfSelectedIndexesFollowsEveryChange) {
    std::mt19937 random(11);
    ElementTable table = randomChart(random, 40, 0.3);
    std::uniform_int_distribution<int> anyIndex(0, 29);
    for (int step = 0; step < 200; ++step) {
        const int i = anyIndex(random);
        switch (step % 5) {
            case 0:
                table.setSelected(i, !table.selected(i));
                break;
            case 1:
                table.moveToEnd(i);
                break;
            case 2:
                table.remove(i);
                table.append(tnode{});
                break;
            case 3:
                if (step % 35 == 3)
                    table.clearSelection();
                break;
            case 4:
                if (step % 45 == 4) {
                    table.removeSelected();
                    while (table.NodeCount() < 40)
                        table.append(tnode{});
                }
                break;
        }
        ASSERT_EQ(table.selectedIndexes(), scanSelected(table)) << "step " << step;
    }
}
