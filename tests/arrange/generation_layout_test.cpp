#include "arrange/generation_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace kinvarro {
namespace {

constexpr LayoutGaps kGaps{60, 20, 40};

LayoutBox Box(int father = -1, int mother = -1) {
    return {father, mother, 80, 20};
}

bool Overlap(const LayoutResult &r, const std::vector<LayoutBox> &b, int i, int j) {
    return r.x[i] < r.x[j] + b[j].width && r.x[j] < r.x[i] + b[i].width &&
           r.y[i] < r.y[j] + b[j].height && r.y[j] < r.y[i] + b[i].height;
}

// Both boxes on one row with nothing between them.
bool SideBySide(const LayoutResult &r, int a, int b) {
    if (r.y[a] != r.y[b])
        return false;
    const auto low = std::min(r.x[a], r.x[b]), high = std::max(r.x[a], r.x[b]);
    for (std::size_t v = 0; v < r.x.size(); ++v)
        if (static_cast<int>(v) != a && static_cast<int>(v) != b && r.y[v] == r.y[a] &&
            r.x[v] > low && r.x[v] < high)
            return false;
    return true;
}

struct FamilyCase {
    std::string name;
    std::vector<LayoutBox> boxes;
    std::vector<int> rows;
    std::vector<std::pair<int, int>> neighbours;
    int brokenLinks;
};

class FamilyTable : public testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyTable, RowsAndNeighbours) {
    const FamilyCase &c = GetParam();
    const LayoutResult r = ArrangeGenerations(c.boxes, kGaps);
    EXPECT_EQ(r.row, c.rows);
    for (auto [a, b] : c.neighbours)
        EXPECT_TRUE(SideBySide(r, a, b)) << a << " " << b;
    EXPECT_EQ(r.brokenLinks, c.brokenLinks);
    for (std::size_t i = 0; i < c.boxes.size(); ++i)
        for (std::size_t j = i + 1; j < c.boxes.size(); ++j)
            EXPECT_FALSE(Overlap(r, c.boxes, i, j)) << i << " " << j;
}

INSTANTIATE_TEST_SUITE_P(
    Families, FamilyTable,
    testing::Values(
        // 0 and 1 with three children.
        FamilyCase{"couple",
                   {Box(), Box(), Box(0, 1), Box(0, 1), Box(0, 1)},
                   {0, 0, 1, 1, 1},
                   {{0, 1}, {2, 3}, {3, 4}},
                   0},
        // 0 married 1, then 2; a child of each marriage.
        FamilyCase{"remarriage",
                   {Box(), Box(), Box(), Box(0, 1), Box(0, 2)},
                   {0, 0, 0, 1, 1},
                   {{0, 1}, {0, 2}},
                   0},
        // Two siblings' children marry and have a child.
        FamilyCase{
            "cousins",
            {Box(), Box(), Box(0, 1), Box(0, 1), Box(), Box(), Box(2, 4), Box(5, 3), Box(6, 7)},
            {0, 0, 1, 1, 1, 1, 2, 2, 3},
            {{0, 1}, {2, 4}, {5, 3}, {6, 7}},
            0},
        // 0 has children with 1, 2 and 3; the middle partner cannot stand beside 0.
        FamilyCase{"three partners",
                   {Box(), Box(), Box(), Box(), Box(0, 1), Box(0, 2), Box(0, 3)},
                   {0, 0, 0, 0, 1, 1, 1},
                   {{0, 1}, {0, 2}},
                   0},
        // 4 married into the family: no parents, in the row of the partner.
        FamilyCase{"married in",
                   {Box(), Box(), Box(0, 1), Box(), Box(2, 3), Box(4, -1)},
                   {0, 0, 1, 1, 2, 3},
                   {{0, 1}, {2, 3}},
                   0},
        // 3 and 4 are linked to nobody: they stand together under the families.
        FamilyCase{"unlinked",
                   {Box(), Box(), Box(0, 1), Box(), Box()},
                   {0, 0, 1, 2, 2},
                   {{0, 1}, {3, 4}},
                   0},
        // 0 is the father of 1, which is the father of 0.
        FamilyCase{"cycle", {Box(1, -1), Box(0, -1), Box(1, -1)}, {1, 0, 1}, {}, 1}),
    [](const auto &info) {
        std::string name = info.param.name;
        for (char &c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

// A random tree grown from founders: children of random couples, partners
// sometimes married in, widths of random names.
std::vector<LayoutBox> GeneratedTree(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::vector<LayoutBox> boxes;
    std::vector<std::pair<int, int>> couples;
    auto width = [&] { return static_cast<std::int64_t>(30 + random() % 120); };
    for (int i = 0; i < 4; ++i)
        boxes.push_back({-1, -1, width(), 20});
    couples.push_back({0, 1});
    couples.push_back({2, 3});
    while (static_cast<int>(boxes.size()) < count) {
        const auto [f, m] = couples[random() % couples.size()];
        const int child = static_cast<int>(boxes.size());
        boxes.push_back({f, m, width(), 20 + static_cast<std::int64_t>(random() % 3) * 15});
        if (random() % 2 == 0) {
            boxes.push_back({-1, -1, width(), 20});
            couples.push_back({child, child + 1});
        }
    }
    return boxes;
}

TEST(GenerationLayout, GeneratedTreesKeepTheRules) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<LayoutBox> boxes = GeneratedTree(seed, 60 + seed * 10);
        const LayoutResult r = ArrangeGenerations(boxes, kGaps);
        const int n = static_cast<int>(boxes.size());
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                ASSERT_FALSE(Overlap(r, boxes, i, j)) << seed;
        for (int v = 0; v < n; ++v) {
            for (int p : {boxes[v].father, boxes[v].mother})
                if (p >= 0) {
                    ASSERT_LT(r.y[p] + boxes[p].height, r.y[v]) << seed;
                }
            if (boxes[v].father >= 0 && boxes[v].mother >= 0) {
                ASSERT_EQ(r.y[boxes[v].father], r.y[boxes[v].mother]) << seed;
            }
        }
        EXPECT_EQ(r.brokenLinks, 0);
        EXPECT_EQ(ArrangeGenerations(boxes, kGaps).x, r.x);
    }
}

}  // namespace
}  // namespace kinvarro
