#include <gtest/gtest.h>

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
