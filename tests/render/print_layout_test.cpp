#include <gtest/gtest.h>

#include "render/print_layout.h"

using namespace kinvarro;

TEST(PrintLayout, FitShrinksOrGrowsTheChartOntoOnePageCentred) {
    const auto pages = LayOutPrint({1000, 500}, {500, 700}, {PrintMode::FitToPage, 1, 20});
    ASSERT_EQ(pages.size(), std::size_t(1));
    EXPECT_EQ(pages[0].chartArea, QRectF(0, 0, 1000, 500));
    EXPECT_EQ(pages[0].target, QRectF(0, 225, 500, 250));
    EXPECT_TRUE(pages[0].label.isEmpty());
}

TEST(PrintLayout, APosterOverlapsItsSheetsAndLabelsThemByRowAndColumn) {
    // Sheets 500 wide and 314 high hold 500 x 300 of picture; with 20 of
    // overlap a 1000 x 400 chart at scale 1 takes 3 columns and 2 rows.
    const auto pages = LayOutPrint({1000, 400}, {500, 314}, {PrintMode::Poster, 1, 20});
    ASSERT_EQ(pages.size(), std::size_t(6));
    EXPECT_EQ(pages[0].chartArea, QRectF(0, 0, 500, 300));
    EXPECT_EQ(pages[1].chartArea, QRectF(480, 0, 500, 300));
    EXPECT_EQ(pages[2].chartArea, QRectF(960, 0, 40, 300));
    EXPECT_EQ(pages[2].target, QRectF(0, 0, 40, 300));
    EXPECT_EQ(pages[5].chartArea, QRectF(960, 280, 40, 120));
    EXPECT_EQ(pages[5].label, QStringLiteral("2, 3"));
    EXPECT_EQ(pages[3].row, 1);
    EXPECT_EQ(pages[3].column, 0);

    // At half scale every sheet shows twice as much of the chart.
    const auto half = LayOutPrint({2000, 400}, {500, 314}, {PrintMode::Poster, 0.5, 20});
    ASSERT_EQ(half.size(), std::size_t(3));
    EXPECT_EQ(half[2].chartArea, QRectF(1920, 0, 80, 400));
    EXPECT_EQ(half[2].target, QRectF(0, 0, 40, 200));
}

TEST(PrintLayout, EmptyChartsAndPagesAndAbsurdOptionsStayBounded) {
    EXPECT_TRUE(LayOutPrint({0, 100}, {500, 700}, {}).empty());
    EXPECT_TRUE(LayOutPrint({100, 100}, {500, 10}, {PrintMode::Poster, 1, 20}).empty());
    const auto huge = LayOutPrint({1e9, 10}, {500, 700}, {PrintMode::Poster, 1e6, 1e6});
    EXPECT_EQ(huge.size(), std::size_t(100 * 100));
    EXPECT_EQ(LayOutPrint({100, 100}, {500, 700}, {PrintMode::Poster, -5, -5}).size(),
              std::size_t(1));
}
