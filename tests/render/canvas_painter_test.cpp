#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "render/canvas_painter.h"
#include "render_support.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor kInk = 0x102030;
constexpr TColor kFill = 0x00C0FF;
constexpr TColor kGap = 0x33CC33;

}  // namespace

TEST(CanvasPainter, RectangleCoversLeftToRightMinusOneWithTheFrameCentredOnItsEdge) {
    // A pen w wide puts w/2 pixels outside the edge pixel and the rest inside.
    for (int width : {1, 2, 3}) {
        ChartCanvas canvas = filledCanvas(QSize(40, 30), kPaper);
        {
            CanvasPainter painter(canvas);
            painter.setPenColor(kInk);
            painter.setPenWidth(width);
            painter.setBrushColor(kFill);
            painter.rectangle(10, 8, 25, 20);
        }
        // The band of an edge pixel c runs from c - before to c + after.
        const int before = width / 2;
        const int after = width - 1 - before;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool outer =
                    x >= 10 - before && x <= 24 + after && y >= 8 - before && y <= 19 + after;
                const bool inner =
                    x > 10 + after && x < 24 - before && y > 8 + after && y < 19 - before;
                const TColor expected = !outer ? kPaper : inner ? kFill : kInk;
                ASSERT_EQ(canvas.pixel(x, y), expected)
                    << "width " << width << " at " << x << "," << y;
            }
        }
    }
}

TEST(CanvasPainter, FillsCoverTheirRectangleAndClipAnyCoordinates) {
    struct Case {
        Coord left, top, right, bottom;
        QRect covered;  // empty: nothing
    } cases[] = {
        {3, 4, 7, 6, QRect(3, 4, 4, 2)},
        {5, 5, 5, 9, QRect()},
        {9, 5, 4, 9, QRect()},
        {-(Coord(1) << 40), -5, Coord(1) << 40, 2, QRect(0, 0, 20, 2)},
        {18, 13, Coord(1) << 33, Coord(1) << 33, QRect(18, 13, 2, 2)},
    };
    for (const Case &c : cases) {
        ChartCanvas canvas = filledCanvas(QSize(20, 15), kPaper);
        CanvasPainter(canvas).fillRect(c.left, c.top, c.right, c.bottom, kFill);
        PixelSet expected;
        for (int y = c.covered.top(); y <= c.covered.bottom(); ++y)
            for (int x = c.covered.left(); x <= c.covered.right(); ++x)
                expected.insert({x, y});
        EXPECT_EQ(pixelsOf(canvas, kFill), expected) << c.left << "," << c.top;
    }
}

TEST(CanvasPainter, ThinLinesStartAtTheirFirstPointAndLeaveOutTheLast) {
    const QLine lines[] = {{5, 5, 20, 5},    {20, 9, 5, 9},   {3, 2, 3, 25},    {30, 25, 27, 18},
                           {30, 25, 33, 18}, {2, 28, 38, 20}, {10, 10, 10, 10}, {4, 4, 14, 14}};
    for (const QLine &line : lines) {
        ChartCanvas canvas = filledCanvas(QSize(40, 30), kPaper);
        {
            CanvasPainter painter(canvas);
            painter.setPenColor(kInk);
            painter.moveTo(line.x1(), line.y1());
            painter.lineTo(line.x2(), line.y2());
        }
        const PixelSet ink = inkPixels(canvas, kPaper);
        const int dx = line.x2() - line.x1();
        const int dy = line.y2() - line.y1();
        const int steps = std::max(std::abs(dx), std::abs(dy));
        ASSERT_EQ(int(ink.size()), steps) << "one pixel per step, the end left out";
        if (steps == 0)
            continue;
        EXPECT_TRUE(ink.count({line.x1(), line.y1()}));
        EXPECT_FALSE(ink.count({line.x2(), line.y2()}));
        for (const auto &[x, y] : ink) {
            // Each pixel is the one nearest the ideal line on its step.
            const bool xMajor = std::abs(dx) >= std::abs(dy);
            const double t = xMajor ? double(x - line.x1()) / dx : double(y - line.y1()) / dy;
            const double ideal = xMajor ? line.y1() + t * dy : line.x1() + t * dx;
            EXPECT_LE(std::abs((xMajor ? y : x) - ideal), 0.5) << x << "," << y;
        }
    }
}

TEST(CanvasPainter, ClippingALineKeepsItsPixelsAndItsPattern) {
    // The same dotted line seen through a small canvas and through a large one.
    const QLine line(-300, -170, 260, 140);
    const QPoint offset(400, 300);
    ChartCanvas large = filledCanvas(QSize(800, 600), kPaper);
    ChartCanvas small = filledCanvas(QSize(60, 40), kPaper);
    for (auto [canvas, shift] : {std::pair{&large, offset}, std::pair{&small, QPoint()}}) {
        CanvasPainter painter(*canvas);
        painter.setPenColor(kInk);
        painter.setPenStyle(PenStyle::Dotted);
        painter.moveTo(line.x1() + shift.x(), line.y1() + shift.y());
        painter.lineTo(line.x2() + shift.x(), line.y2() + shift.y());
    }
    int inked = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(small.pixel(x, y), large.pixel(x + offset.x(), y + offset.y()))
                << x << "," << y;
            inked += small.pixel(x, y) == kInk;
        }
    }
    EXPECT_GT(inked, 10);
}

TEST(CanvasPainter, LinesFromFarOutsideStillCrossTheCanvas) {
    ChartCanvas canvas = filledCanvas(QSize(50, 20), kPaper);
    const Coord far = Coord(1) << 33;
    {
        CanvasPainter painter(canvas);
        painter.setPenColor(kInk);
        painter.moveTo(-far, 5);
        painter.lineTo(far, 5);
        painter.setPenWidth(3);
        painter.moveTo(-far, 12);
        painter.lineTo(far, 12);
        painter.textOut(far, far, QStringLiteral("far away"));
        painter.textOut(-far, -far, QStringLiteral("far away"));
    }
    for (int x = 0; x < 50; ++x) {
        EXPECT_EQ(canvas.pixel(x, 5), kInk) << x;
        for (int y = 11; y <= 13; ++y)
            EXPECT_EQ(canvas.pixel(x, y), kInk) << x;
    }
    EXPECT_EQ(inkPixels(canvas, kPaper).size(), 50u * 4);
}

TEST(CanvasPainter, PatternedPensAlternateAndFillTheirGapsOnlyWhenAsked) {
    struct Case {
        PenStyle style;
        int on, off;
        std::optional<TColor> gap;
    } cases[] = {{PenStyle::Dotted, 3, 3, std::nullopt},
                 {PenStyle::Dashed, 18, 6, kGap},
                 {PenStyle::Dotted, 3, 3, kGap}};
    for (const Case &c : cases) {
        ChartCanvas canvas = filledCanvas(QSize(120, 10), kPaper);
        {
            CanvasPainter painter(canvas);
            painter.setPenColor(kInk);
            painter.setPenWidth(3);  // patterned pens stay one pixel wide
            painter.setPenStyle(c.style);
            painter.setPenGapColor(c.gap);
            // The pattern runs on across the corner of a polyline.
            painter.moveTo(0, 4);
            painter.lineTo(50, 4);
            painter.lineTo(100, 4);
        }
        for (int x = 0; x < 100; ++x) {
            const bool on = x % (c.on + c.off) < c.on;
            EXPECT_EQ(canvas.pixel(x, 4), on ? kInk : c.gap.value_or(kPaper)) << x;
            EXPECT_EQ(canvas.pixel(x, 3), kPaper) << x;
        }
    }
}

TEST(CanvasPainter, WideLinesFollowTheFrameRuleAcrossTheirLength) {
    for (int width : {2, 3, 12}) {
        ChartCanvas canvas = filledCanvas(QSize(60, 40), kPaper);
        {
            CanvasPainter painter(canvas);
            painter.setPenColor(kInk);
            painter.setPenWidth(width);
            painter.moveTo(10, 20);
            painter.lineTo(50, 20);
        }
        int covered = 0;
        for (int y = 0; y < 40; ++y)
            covered += canvas.pixel(30, y) == kInk;
        EXPECT_EQ(covered, width);
        EXPECT_EQ(canvas.pixel(30, 20 - width / 2), kInk) << width;
        EXPECT_EQ(canvas.pixel(30, 20 - width / 2 - 1), kPaper) << width;
    }
}

TEST(CanvasPainter, OpaqueTextFillsExactlyItsCellAndTransparentTextOnlyInks) {
    tmyfont font{"Arial", 10, 0, kInk, 0};
    for (bool opaque : {true, false}) {
        ChartCanvas canvas = filledCanvas(QSize(120, 40), kPaper);
        QSize cell;
        {
            CanvasPainter painter(canvas);
            painter.setFont(font);
            painter.setTextBackground(opaque ? std::optional<TColor>(kFill) : std::nullopt);
            cell = painter.textExtent(QStringLiteral("Wq"));
            painter.textOut(7, 9, QStringLiteral("Wq"));
        }
        const QRect cellRect(QPoint(7, 9), cell);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                const TColor pixel = canvas.pixel(x, y);
                if (!cellRect.contains(x, y)) {
                    ASSERT_EQ(pixel, kPaper) << x << "," << y;
                } else if (opaque) {
                    ASSERT_NE(pixel, kPaper) << x << "," << y;
                }
            }
        }
        EXPECT_GT(inkPixels(canvas, opaque ? kFill : kPaper).size(), 20u);
    }
}

TEST(CanvasPainter, EachCharacterIsDrawnAtTheSumOfTheAdvancesBeforeIt) {
    const std::string line = std::string("Иванов-Петров, Walter «Ёж» AV To");
    const tmyfont fonts[] = {{"Arial Cyr", 10, 204, kInk, 0},
                             {"Times New Roman", 14, 204, kInk, kStyleBold | kStyleItalic},
                             {"Arial", 4, 204, kInk, 0}};
    for (const tmyfont &font : fonts) {
        // The line laid out by Qt, and drawn glyph by glyph from the table.
        ChartCanvas whole = filledCanvas(QSize(400, 40), kPaper);
        ChartCanvas fromTable = filledCanvas(whole.size(), kPaper);
        {
            CanvasPainter painter(whole);
            painter.setFont(font);
            painter.textOut(5, 8, fromDocText(line));
            CanvasPainter tablePainter(fromTable);
            tablePainter.setFont(font);
            tablePainter.textOut(5, 8, line, tablePainter.advances().lineWidth(line));
        }
        // The same characters one by one, each where the table puts it.
        ChartCanvas single = filledCanvas(whole.size(), kPaper);
        {
            const AdvanceTable &advances = *AdvanceTable::of(font);
            QPainter painter(&single.image());
            painter.setFont(advances.font());
            painter.setPen(QColor(toQRgb(kInk)));
            int x = 5;
            for (const QChar c : fromDocText(line)) {
                painter.drawText(QPointF(x, 8 + advances.ascent()), QString(c));
                x += advances.lineWidth(toDocText(QString(c)));
            }
        }
        EXPECT_EQ(whole.image(), single.image()) << font.name;
        EXPECT_EQ(fromTable.image(), whole.image()) << font.name;
        EXPECT_GT(inkPixels(whole, kPaper).size(), 40u);
    }
}

// Only the glyphs that reach into the canvas are drawn, as a megabyte-long
// name is drawn again for every tile of a diagram; the tile's pixels are those
// of the same stretch of the line drawn whole.
TEST(CanvasPainter, ALongLineDrawsOnATileExactlyTheStretchThatShows) {
    struct Case {
        const char *what;
        std::string word;
        std::uint8_t style;
    };
    const Case cases[] = {
        {"from the table", "Иванов-Петров ", 0},
        {"underlined, through the text layout", "Walter Ёж ", kStyleUnderline},
        {"shaped", "李家 Zoë ", 0},
    };
    for (const Case &c : cases) {
        std::string line;
        while (line.size() < 3000)
            line += c.word;
        const tmyfont font{"Arial", 10, 204, kInk, c.style};
        const int width = AdvanceTable::of(font)->lineWidth(line);
        ChartCanvas whole = filledCanvas(QSize(width + 20, 30), kPaper);
        ChartCanvas tile = filledCanvas(QSize(300, 30), kPaper);
        const int tileLeft = width / 2;
        {
            CanvasPainter painter(whole);
            painter.setFont(font);
            painter.textOut(5, 6, line, width);
            CanvasPainter tilePainter(tile);
            tilePainter.setFont(font);
            tilePainter.textOut(5 - tileLeft, 6, line, width);
        }
        EXPECT_EQ(tile.image(), whole.image().copy(tileLeft, 0, 300, 30)) << c.what;
        EXPECT_GT(inkPixels(tile, kPaper).size(), 100u) << c.what;
    }
}

TEST(CanvasPainter, AHighDensityCanvasScalesEveryLogicalPixel) {
    ChartCanvas canvas(QSize(20, 10), 2.0);
    canvas.image().fill(toQRgb(kPaper));
    {
        CanvasPainter painter(canvas);
        painter.setPenColor(kInk);
        painter.setBrushColor(kFill);
        painter.rectangle(2, 2, 6, 5);
        painter.moveTo(10, 8);
        painter.lineTo(15, 8);
    }
    const QImage &image = canvas.image();
    ASSERT_EQ(image.size(), QSize(40, 20));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int lx = x / 2;
            const int ly = y / 2;
            TColor expected = kPaper;
            if (lx >= 2 && lx <= 5 && ly >= 2 && ly <= 4)
                expected = (lx == 2 || lx == 5 || ly == 2 || ly == 4) ? kInk : kFill;
            if (ly == 8 && lx >= 10 && lx < 15)
                expected = kInk;
            ASSERT_EQ(fromQRgb(image.pixel(x, y)), expected) << x << "," << y;
        }
    }
}
