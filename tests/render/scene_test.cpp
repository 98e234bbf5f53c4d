#include <gtest/gtest.h>

#include <QPainter>
#include <limits>
#include <random>

#include "render/scene.h"
#include "render/view_geometry.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

ChartCanvas paintScene(const Document &doc, QSize size = {200, 150}, const SceneInputs &in = {}) {
    ChartCanvas canvas(size);
    PaintScene(canvas, doc, in);
    return canvas;
}

// Rows (or columns) painted across the whole canvas in the grid colour.
std::vector<int> gridLines(const ChartCanvas &canvas, TColor color, bool rows) {
    std::vector<int> lines;
    const int count = rows ? canvas.height() : canvas.width();
    const int length = rows ? canvas.width() : canvas.height();
    for (int i = 0; i < count; ++i) {
        bool full = true;
        for (int j = 0; j < length && full; ++j)
            full = (rows ? canvas.pixel(j, i) : canvas.pixel(i, j)) == color;
        if (full)
            lines.push_back(i);
    }
    return lines;
}

}  // namespace

TEST(Scene, GridLinesFallOnTheChartsMultiplesOfTheInterval) {
    struct Case {
        bool horizontal;
        std::int32_t origin;
        std::int32_t interval;
        float scale;
    } cases[] = {{true, -60, 25, 1.0f},
                 {false, 7, 15, 1.0f},
                 {true, 40, 10, 2.0f},
                 {false, -33, 30, 1.0f},
                 {true, 1000, 25, 1.0f}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.scale = c.scale;
        doc.settings.showHGrid = c.horizontal;
        doc.settings.showVGrid = !c.horizontal;
        doc.settings.hGridInterval = doc.settings.vGridInterval = c.interval;
        (c.horizontal ? doc.view.ViewOriginY : doc.view.ViewOriginX) = c.origin;
        const ChartCanvas canvas = paintScene(doc);
        const std::vector<int> lines = gridLines(canvas, doc.settings.gridColor, c.horizontal);
        const int step = ToScreen(c.interval, c.scale);
        ASSERT_FALSE(lines.empty());
        EXPECT_LT(lines.front(), step) << "the first line within the first interval";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(ToChart(lines[i] - c.origin, c.scale) % c.interval, 0) << lines[i];
            if (i > 0) {
                EXPECT_EQ(lines[i] - lines[i - 1], step);
            }
        }
        EXPECT_GT(lines.back() + step, (c.horizontal ? canvas.height() : canvas.width()) - 1);
    }
}

TEST(Scene, TheWorkedGridExampleStartsAboveTheCanvas) {
    Document doc;
    doc.settings.showHGrid = true;
    doc.view.ViewOriginY = -60;
    const std::vector<int> lines = gridLines(paintScene(doc), doc.settings.gridColor, true);
    EXPECT_EQ(lines, (std::vector<int>{15, 40, 65, 90, 115, 140}));
}

TEST(Scene, NoGridWhenTheIntervalIsTooSmallOnScreen) {
    struct Case {
        std::int32_t interval;
        float scale;
    } cases[] = {{1, 1.0f}, {1, 2.0f}, {3, 0.3f}, {0, 1.0f}, {-25, 1.0f}, {150, 0.01f}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.scale = c.scale;
        doc.settings.showHGrid = doc.settings.showVGrid = true;
        doc.settings.hGridInterval = doc.settings.vGridInterval = c.interval;
        EXPECT_TRUE(pixelsOf(paintScene(doc), doc.settings.gridColor).empty())
            << c.interval << " at " << c.scale;
    }
}

TEST(Scene, GuidesCrossAtThePointerAndAreLabelledInPixelsFromTheChartOrigin) {
    Document doc;
    doc.settings.showGuides = true;
    doc.view.ViewOriginX = -20;
    doc.view.ViewOriginY = 10;
    SceneInputs in;
    in.pointer = QPoint(100, 40);
    const ChartCanvas canvas = paintScene(doc, {200, 150}, in);

    // Dotted black on white: three on, three off, from the line's start.
    for (int y = 60; y < 150; ++y)
        EXPECT_EQ(canvas.pixel(100, y), y % 6 < 3 ? kBlack : kWhite) << y;
    for (int x = 120; x < 200; ++x)
        EXPECT_EQ(canvas.pixel(x, 40), x % 6 < 3 ? kBlack : kWhite) << x;

    // The labels in the chart face at 8 points, on white, at (1, 41) and (101, 1).
    tmyfont labelFont = doc.settings.chartFont;
    labelFont.size = 8;
    const QFont font = fontForRecord(labelFont);
    const QFontMetrics metrics(font);
    struct Label {
        QString text;
        QPoint at;
    } labels[] = {{QStringLiteral("30"), {1, 41}}, {QStringLiteral("120"), {101, 1}}};
    for (const Label &label : labels) {
        const QRect cell(label.at, QSize(metrics.horizontalAdvance(label.text), metrics.height()));
        ChartCanvas reference = filledCanvas(canvas.size(), kWhite);
        {
            QPainter painter(&reference.image());
            painter.setFont(font);
            painter.drawText(QPointF(label.at.x(), label.at.y() + metrics.ascent()), label.text);
        }
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ASSERT_EQ(canvas.pixel(x, y), reference.pixel(x, y)) << label.text.toStdString();
        EXPECT_NE(canvas.pixel(cell.left() - 1, cell.top() + 1), kWhite) << "cell starts at x";
    }
}

TEST(Scene, RubberBandIsADashedOutlineThroughBothCorners) {
    Document doc;
    SceneInputs in;
    in.RubberBandActive = true;
    in.rubberBand = {150, 20, 30, 120};  // dragged up and to the left
    const ChartCanvas canvas = paintScene(doc, {200, 150}, in);
    // Down the first side from the start corner: 18 on, 6 off, gaps white.
    for (int y = 20; y < 120; ++y)
        EXPECT_EQ(canvas.pixel(150, y), (y - 20) % 24 < 18 ? kBlack : kWhite) << y;
    EXPECT_EQ(inkPixels(canvas, doc.settings.backgroundColor).size(), std::size_t(2 * (120 + 100)));
}

TEST(Scene, BackgroundStaysWithTheWindowInEveryPictureMode) {
    QImage picture(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    const QSize size(90, 60);
    struct Case {
        PictureMode mode;
        bool withPicture;
    } cases[] = {{PictureMode::Tile, true},  {PictureMode::Stretch, true},
                 {PictureMode::AsIs, true},  {PictureMode::None, true},
                 {PictureMode::Tile, false}, {PictureMode::Stretch, false}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.pictureMode = c.mode;
        doc.settings.showShadow = false;
        if (c.withPicture)
            doc.settings.backgroundPicture = picture;
        doc.view.ViewOriginX = -345;  // the background does not scroll
        doc.settings.scale = 0.37f;   // nor zoom
        const ChartCanvas canvas = paintScene(doc, size);
        const TColor background = doc.settings.backgroundColor;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                TColor expected = background;
                if (c.withPicture && c.mode == PictureMode::Tile)
                    expected = fromQRgb(picture.pixel(x % 3, y % 2));
                if (c.withPicture && c.mode == PictureMode::Stretch)
                    expected = fromQRgb(picture.pixel(x / 30, y / 30));
                if (c.withPicture && c.mode == PictureMode::AsIs && x < 3 && y < 2)
                    expected = fromQRgb(picture.pixel(x, y));
                ASSERT_EQ(canvas.pixel(x, y), expected) << int(c.mode) << " at " << x << "," << y;
            }
        }
    }
}

TEST(Scene, LayersStackShadowsGridEventsLinesBoxesInThatOrder) {
    Document doc;
    DocumentSettings &s = doc.settings;
    s.showHGrid = true;
    s.hGridInterval = 10;
    s.motherLineColor = 0x0000C0;
    const int mother = addPerson(doc, 30, 0, -1, -1, "Mother");
    const int child = addPerson(doc, 40, 100, mother, -1, "Child");
    tnode event;
    event.kind = kHistoricalEvent;
    event.y = 50;
    event.name = "Event";
    const int eventIndex = doc.NodeTable.append(event);
    doc.MeasureNameExtent(eventIndex);
    const ChartCanvas canvas = paintScene(doc, {300, 200});
    const NameExtent box = doc.NodeTable.nameExtent(mother);

    // A grid row through the mother's shadow strip below her box shows the grid.
    const int belowBox = 3 + box.height;
    const int gridRow = (belowBox + 9) / 10 * 10;
    ASSERT_LT(gridRow, 7 + box.height);
    EXPECT_EQ(canvas.pixel(30 + box.width / 2 + 4, gridRow), s.gridColor);
    // The box covers the grid, the line covers the event, the box covers the line.
    EXPECT_EQ(canvas.pixel(30, 10), s.manBackColor);
    const int lineX = 30 + box.width / 2;
    const int eventY = 50 + doc.NodeTable.nameExtent(eventIndex).height / 2;
    EXPECT_EQ(canvas.pixel(lineX, eventY), s.motherLineColor);
    EXPECT_EQ(canvas.pixel(10, eventY), s.timeLineColor);
    // The line enters the child from above; its last pixel lies under the frame.
    const int column = 40 + doc.NodeTable.nameExtent(child).width / 2;
    EXPECT_EQ(canvas.pixel(column, 98), s.motherLineColor);
    EXPECT_EQ(canvas.pixel(column, 99), s.fatherLineColor);
}

TEST(Scene, BoxesAndLinesAtTheCanvasEdgesKeepEveryPixel) {
    // Without grid, events and guides the scene only moves with the origin, so
    // a small canvas must show exactly its part of a larger one, whichever
    // pixel of a frame, shadow or line falls on its edge.
    const QSize small(400, 300);
    const QPoint shift(40, 40);
    for (int w : {1, 2, 3}) {
        Document doc;
        doc.settings.lineWidth = w;
        const NameExtent box = MeasureMultiLineText("Box", doc.settings.chartFont);
        for (int d = -4; d <= 4; ++d) {
            // The frame's left, right, top and bottom edge d pixels from the canvas edge.
            const int along = 5 + (d + 4) * 44;
            const int down = 5 + (d + 4) * 32;
            addPerson(doc, small.width() + d + w + 1, down, -1, -1, "Box");
            addPerson(doc, d - w - 3 - box.width, down, -1, -1, "Box");
            addPerson(doc, along, small.height() + d + w, -1, -1, "Box");
            addPerson(doc, along, d - w - 2 - box.height, -1, -1, "Box");
        }
        // Lines into the canvas from a parent outside it: buses and straight ones.
        const int parent = addPerson(doc, -150, -300, -1, -1, "Parent");
        for (const QPoint child : {QPoint(60, 90), QPoint(430, 160), QPoint(200, 330)})
            addPerson(doc, child.x(), child.y(), parent, parent, "Child");
        addPerson(doc, 300, -290, parent, -1, "Near");
        const ChartCanvas part = paintScene(doc, small);
        doc.view.ViewOriginX = shift.x();
        doc.view.ViewOriginY = shift.y();
        const ChartCanvas whole = paintScene(doc, small + QSize(80, 80));
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                ASSERT_EQ(part.pixel(x, y), whole.pixel(x + shift.x(), y + shift.y()))
                    << "line width " << w << " at " << x << "," << y;
    }
}

TEST(Scene, HiddenTimeLinesAreNeitherPaintedNorShadowed) {
    Document doc;
    tnode event;
    event.kind = kHistoricalEvent;
    event.y = 30;
    event.name = "Event";
    doc.NodeTable.append(event);
    doc.MeasureAllNames();
    EXPECT_FALSE(pixelsOf(paintScene(doc), doc.settings.timeLineColor).empty());
    doc.settings.showTimeLines = false;
    EXPECT_TRUE(inkPixels(paintScene(doc), doc.settings.backgroundColor).empty());
}

TEST(Scene, UntrustedDocumentsPaintWithoutFault) {
    std::mt19937 random(7);
    auto pick = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(random);
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::int32_t extremes[] = {kMin, kMin + 1, -1, 0, 1, 50, kMax - 1, kMax};
    const float scales[] = {0.0f, 0.01f, 1.0f, 2.0f, 42949672.0f, 1e-30f};
    for (int round = 0; round < 12; ++round) {
        Document doc;
        DocumentSettings &s = doc.settings;
        s.scale = scales[round % 6];
        s.lineWidth = int(pick(-2, 5));
        s.showHGrid = s.showVGrid = s.showGuides = true;
        s.hGridInterval = extremes[pick(0, 7)];
        s.vGridInterval = std::int32_t(pick(-3, 40));
        s.chartFont.size = extremes[pick(0, 7)];
        doc.view.ViewOriginX = extremes[pick(0, 7)];
        doc.view.ViewOriginY = std::int32_t(pick(-500, 500));
        const int count = int(pick(1, 40));
        for (int i = 0; i < count; ++i) {
            tnode node;
            node.kind = std::uint8_t(pick(0, 255) < 200 ? pick(0, 1) : pick(0, 255));
            node.sex = std::uint8_t(pick(0, 255));
            node.fatherImportance = std::uint8_t(pick(0, 255));
            node.motherImportance = std::uint8_t(pick(0, 255));
            node.ownColor = TColor(pick(kMin, kMax));
            node.x = pick(0, 3) ? std::int32_t(pick(-300, 300)) : extremes[pick(0, 7)];
            node.y = pick(0, 3) ? std::int32_t(pick(-300, 300)) : extremes[pick(0, 7)];
            node.motherIndex = std::int32_t(pick(-1, count - 1));
            node.fatherIndex = std::int32_t(pick(-1, count - 1));
            node.name = pick(0, 4) ? std::string("Name\r\n\x01\xFF") : std::string();
            if (pick(0, 3) == 0)
                node.font = {"Arial", extremes[pick(0, 7)], 0, 0, std::uint8_t(pick(0, 255))};
            const int index = doc.NodeTable.append(node);
            doc.NodeTable.nameExtent(index) = {extremes[pick(0, 7)], extremes[pick(0, 7)]};
            doc.NodeTable.setSelected(index, pick(0, 1));
        }
        doc.view.CurrentNode = int(pick(-1, count - 1));
        SceneInputs in;
        in.pointer = QPoint(int(pick(-100, 300)), int(pick(-100, 300)));
        in.RubberBandActive = true;
        in.rubberBand = {extremes[pick(0, 7)], 5, 40, extremes[pick(0, 7)]};
        const ChartCanvas canvas = paintScene(doc, {120, 90}, in);
        EXPECT_EQ(canvas.size(), QSize(120, 90));
    }
}
