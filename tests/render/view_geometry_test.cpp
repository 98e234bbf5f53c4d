#include <gtest/gtest.h>

#include <limits>

#include "model/grid_snap.h"
#include "render/view_geometry.h"
#include "render_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

TEST(ViewGeometry, ConversionsTruncateOrRoundOnTheExactFloatScaleAndNeverGiveZero) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    enum Op { Screen, Rounded, Chart };
    struct Case {
        Op op;
        float scale;
        std::int32_t v;
        std::int32_t expected;
    } cases[] = {
        {Screen, 0.01f, 1, 1},      {Screen, 0.01f, -1, -1},    {Screen, 0.01f, 0, 0},
        {Screen, 0.01f, 150, 1},    {Screen, 0.01f, 250, 2},    {Rounded, 0.5f, 3, 2},
        {Rounded, 0.5f, 5, 2},      {Rounded, 0.5f, -3, -2},    {Screen, 0.5f, 3, 1},
        {Screen, 0.5f, -3, -1},     {Chart, 2.0f, 1, 1},        {Chart, 2.0f, 3, 1},
        {Chart, 2.0f, -1, -1},      {Screen, 0.29f, 100, 28},   {Screen, 2.0f, kMax, kMax},
        {Screen, 2.0f, kMin, kMin}, {Chart, 0.01f, kMax, kMax}, {Chart, 0.0f, -5, kMin},
    };
    for (const Case &c : cases) {
        const std::int32_t got = c.op == Screen    ? ToScreen(c.v, c.scale)
                                 : c.op == Rounded ? ToScreenRounded(c.v, c.scale)
                                                   : ToChart(c.v, c.scale);
        EXPECT_EQ(got, c.expected) << "op " << c.op << " scale " << c.scale << " v " << c.v;
    }
}

TEST(ViewGeometry, AlignToGridCentresTheBoxInItsCell) {
    struct Case {
        std::int32_t hInterval, vInterval;
        int x, y;
        NameExtent extent;
        int alignedX, alignedY;
    } cases[] = {
        {25, 1, 7, 0, {40, 16}, 7, 4},
        {25, 0, 7, -40, {40, 16}, 7, -45},
        {0, 15, 3, 9, {20, 16}, -3, 9},
        {25, 15, -21, 37, {11, 13}, -27, 31},
    };
    for (const Case &c : cases) {
        Document doc;
        doc.settings.hGridInterval = c.hInterval;
        doc.settings.vGridInterval = c.vInterval;
        const int i = addBox(doc, c.x, c.y, -1, -1, c.extent);
        AlignToGrid(doc, i);
        EXPECT_EQ(doc.NodeTable[i].x, c.alignedX) << c.x;
        EXPECT_EQ(doc.NodeTable[i].y, c.alignedY) << c.y;
    }
}
