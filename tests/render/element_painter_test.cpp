#include <gtest/gtest.h>

#include <QPainter>

#include "render/element_painter.h"
#include "render/view_geometry.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kPaper = 0xFFFFFF;

// Paints one pass of one element with the document's chart font scaled, as
// the scene does.
ChartCanvas paintOne(const Document &doc, int index, PaintPass pass, QSize size = {300, 150}) {
    ChartCanvas canvas = filledCanvas(size, kPaper);
    CanvasPainter painter(canvas);
    RecordToScaledFont(doc.settings.chartFont, painter, doc.settings.scale);
    PaintElement(painter, doc, index, pass);
    return canvas;
}

// Size of a name in the chart font at the document's scale.
NameExtent drawnExtent(const Document &doc, const std::string &name) {
    tmyfont font = doc.settings.chartFont;
    font.size = ToScreen(font.size, doc.settings.scale);
    return MeasureMultiLineText(name, font);
}

QRect boundingBox(const PixelSet &pixels) {
    QRect box;
    for (const auto &[x, y] : pixels)
        box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(ElementPainter, PersonBoxTextAndShadowLandOnTheWorkedExample) {
    Document doc;
    const int person = addPerson(doc, 100, 50, -1, -1, "Name");
    const NameExtent text = drawnExtent(doc, "Name");
    const DocumentSettings &s = doc.settings;

    const ChartCanvas box = paintOne(doc, person, PaintPass::Normal);
    const QRect frame(QPoint(98, 49), QPoint(104 + text.width - 1, 53 + text.height - 1));
    EXPECT_EQ(boundingBox(inkPixels(box, kPaper)), frame);
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        for (int x = frame.left(); x <= frame.right(); ++x) {
            const bool edge =
                x == frame.left() || x == frame.right() || y == frame.top() || y == frame.bottom();
            if (edge) {
                ASSERT_EQ(box.pixel(x, y), s.fatherLineColor) << x << "," << y;
            }
        }
    }

    // The name is written from (101, 51): compare with the same text drawn
    // there directly on the fill colour.
    ChartCanvas reference = filledCanvas(box.size(), s.manBackColor);
    {
        QPainter painter(&reference.image());
        const QFont font = fontForRecord(s.chartFont);
        painter.setFont(font);
        painter.drawText(QPointF(101, 51 + QFontMetrics(font).ascent()), QStringLiteral("Name"));
    }
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ASSERT_EQ(box.pixel(x, y), reference.pixel(x, y)) << x << "," << y;

    const ChartCanvas shadow = paintOne(doc, person, PaintPass::Shadow);
    EXPECT_EQ(pixelsOf(shadow, s.shadowColor).size(), std::size_t(frame.width() * frame.height()));
    EXPECT_EQ(boundingBox(inkPixels(shadow, kPaper)), frame.translated(5, 5));
}

TEST(ElementPainter, FrameWidthFollowsTheLineWidthButNeverDropsBelowOnePixel) {
    struct Case {
        int lineWidth;
        int border;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {-1, 1}, {9, 1}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.lineWidth = c.lineWidth;
        const int person = addPerson(doc, 100, 50, -1, -1, "Name");
        const NameExtent text = drawnExtent(doc, "Name");
        const ChartCanvas canvas = paintOne(doc, person, PaintPass::Normal);
        const int w = c.border;
        // Left edge at S(x - w - 1), the pen centred on it.
        const int edge = 100 - w - 1;
        const int row = 50 + text.height / 2;
        for (int x = edge - 4; x <= edge + 4; ++x) {
            const bool onFrame = x >= edge - w / 2 && x < edge - w / 2 + w;
            EXPECT_EQ(canvas.pixel(x, row) == doc.settings.fatherLineColor, onFrame)
                << "lineWidth " << c.lineWidth << " x " << x;
        }
        const int right = 100 + w + 3 + text.width - 1;
        EXPECT_EQ(canvas.pixel(right - w / 2, row), doc.settings.fatherLineColor) << c.lineWidth;
    }
}

TEST(ElementPainter, ColoursFollowSelectionSexAndOwnColour) {
    constexpr TColor kOwn = 0x2288AA;
    struct Case {
        std::uint8_t sex;
        TColor ownColor;
        bool selected;
        bool current;
        TColor DocumentSettings::*pen;
        TColor fill;  // 0: the fill by sex
    } cases[] = {
        {kSexWoman, kOwn, true, false, &DocumentSettings::selectedLineColor, 0},
        {kSexWoman, kOwn, false, false, &DocumentSettings::motherLineColor, kOwn},
        {kSexWoman, kOwn, false, true, &DocumentSettings::selectedLineColor, 0},
        {kSexMan, kNoOwnColor, false, false, &DocumentSettings::fatherLineColor, 0},
        {kSexUnknown, kNoOwnColor, false, false, &DocumentSettings::fatherLineColor, 0},
        {200, kNoOwnColor, false, false, &DocumentSettings::fatherLineColor, 0},
    };
    for (const Case &c : cases) {
        Document doc;
        const int person = addPerson(doc, 20, 20, -1, -1, "Name");
        doc.NodeTable[person].sex = c.sex;
        doc.NodeTable[person].ownColor = c.ownColor;
        doc.NodeTable.setSelected(person, c.selected);
        doc.view.CurrentNode = c.current ? person : -1;
        const ChartCanvas canvas = paintOne(doc, person, PaintPass::Normal);
        const TColor fill = c.fill ? c.fill : fillColorForSex(doc.settings, c.sex);
        EXPECT_EQ(canvas.pixel(18, 19), doc.settings.*c.pen) << int(c.sex);
        EXPECT_EQ(canvas.pixel(19, 20), fill) << int(c.sex);
    }
}

TEST(ElementPainter, AnOwnFontIsScaledForTheElementAndTheCanvasFontComesBack) {
    Document doc;
    doc.settings.scale = 0.5f;
    const int person = addPerson(doc, 100, 50, -1, -1, "Name");
    doc.NodeTable[person].font = {"Arial", 30, 204, 0x0000FF, kStyleBold | 0x40};

    ChartCanvas canvas = filledCanvas(QSize(300, 150), kPaper);
    CanvasPainter painter(canvas);
    RecordToScaledFont(doc.settings.chartFont, painter, doc.settings.scale);
    const tmyfont before = painter.font();
    PaintElement(painter, doc, person, PaintPass::Normal);
    EXPECT_EQ(painter.font(), before);

    tmyfont own = doc.NodeTable[person].font;
    own.size = 15;
    own.style = kStyleBold;
    const NameExtent text = MeasureMultiLineText("Name", own);
    // The right frame column is S(x + 4) + tw - 1 at scale 0.5.
    EXPECT_EQ(canvas.pixel(52 + text.width - 1, 25), doc.settings.fatherLineColor);
    EXPECT_EQ(canvas.pixel(52 + text.width, 25), kPaper);
}

TEST(ElementPainter, FontConversionsKeepOnlyTheRecordStyleBitsAndScaleTheSize) {
    ChartCanvas canvas(QSize(10, 10));
    CanvasPainter painter(canvas);
    const tmyfont record{"Times", 12, 204, 0x123456, 0xFF};
    RecordToFont(record, painter);
    EXPECT_EQ(FontToRecord(painter), (tmyfont{"Times", 12, 204, 0x123456, 7}));
    RecordToScaledFont(record, painter, 0.29f);
    EXPECT_EQ(painter.font().size, 3);
    RecordToScaledFont(record, painter, 0.01f);
    EXPECT_EQ(painter.font().size, 1);
}

TEST(ElementPainter, CentredLinesShareTheWidestLinesBoxAndTruncateTowardZero) {
    constexpr TColor kCell = 0x5050F0;
    ChartCanvas canvas = filledCanvas(QSize(200, 80), kPaper);
    int wide = 0, narrow = 0, lineHeight = 0;
    {
        CanvasPainter painter(canvas);
        // Glyphs in the cell colour leave each text cell a plain rectangle.
        painter.setFont({"Arial", 10, 0, kCell, 0});
        painter.setTextBackground(kCell);
        wide = painter.textExtent(QStringLiteral("WWWWW")).width();
        narrow = painter.textExtent(QStringLiteral("i")).width();
        lineHeight = painter.advances().lineHeight();
        DrawCenteredLines(painter, 20, 5, wide, "WWWWW\r\ni");
        // A box narrower than the line: (B - width) / 2 is negative and truncates toward zero.
        DrawCenteredLines(painter, 120, 5, narrow - 5, "i");
    }
    PixelSet expected;
    auto cell = [&](int left, int top, int width) {
        for (int y = top; y < top + lineHeight; ++y)
            for (int x = left; x < left + width; ++x)
                expected.insert({x, y});
    };
    cell(20, 5, wide);
    cell(20 + (wide - narrow) / 2, 5 + lineHeight, narrow);
    cell(120 - 2, 5, narrow);
    EXPECT_EQ(pixelsOf(canvas, kCell), expected);
}

TEST(ElementPainter, HistoricalEventIsALineAcrossTheCanvasLabelledNearTheRightEdge) {
    Document doc;
    tnode event;
    event.kind = kHistoricalEvent;
    event.y = 40;
    event.name = "IHI";
    event.fatherImportance = 1;
    const int index = doc.NodeTable.append(event);
    doc.MeasureNameExtent(index);
    const int lineY = 40 + doc.NodeTable.nameExtent(index).height / 2;
    const NameExtent text = drawnExtent(doc, "IHI");
    const TColor violet = doc.settings.timeLineColor;

    const ChartCanvas canvas = paintOne(doc, index, PaintPass::Normal, QSize(300, 100));
    // The line stops 5 units either side of the label's cell, which it crosses.
    const int gapStart = 300 - 20 - text.width;
    const int cellStart = 300 - 15 - text.width;
    for (int x = 0; x < 300; ++x) {
        const bool inGap = x >= gapStart && x < 300 - 10;
        if (x < cellStart - 1 || x > 300 - 15) {
            EXPECT_EQ(canvas.pixel(x, lineY) == violet, !inGap) << x;
        }
    }
    // The label is written in the line's colour within its gap, from S(y + 1) down.
    PixelSet labelPixels = inkPixels(canvas, kPaper);
    std::erase_if(labelPixels, [&](const auto &p) { return p.second == lineY; });
    const QRect label = boundingBox(labelPixels);
    EXPECT_GE(label.left(), cellStart);
    EXPECT_LT(label.right(), 300 - 15);
    EXPECT_GE(label.top(), 41);
    EXPECT_FALSE(pixelsOf(canvas, violet).empty());
    EXPECT_TRUE(pixelsOf(canvas, doc.settings.chartFont.color).empty());
}

TEST(ElementPainter, EventPenWidthComesFromImportanceAndBorderWidth) {
    struct Case {
        std::uint8_t importance;
        int lineWidth;
        float scale;
        int thickness;  // 0: dotted hairline
    } cases[] = {
        {0, 1, 1.0f, 0}, {0, 3, 2.0f, 0}, {2, 3, 0.5f, 3}, {1, 2, 1.0f, 2}, {4, 3, 1.0f, 12}};
    for (const Case &c : cases) {
        Document doc;
        doc.settings.scale = c.scale;
        doc.settings.lineWidth = c.lineWidth;
        tnode event;
        event.kind = kHistoricalEvent;
        event.y = 100;
        event.fatherImportance = c.importance;
        const int index = doc.NodeTable.append(event);
        doc.NodeTable.nameExtent(index) = {0, 20};
        ChartCanvas canvas = filledCanvas(QSize(200, 300), kPaper);
        {
            CanvasPainter painter(canvas);
            PaintElement(painter, doc, index, PaintPass::Normal);
            // What follows the event is drawn solid again, at the frame width.
            painter.moveTo(0, 280);
            painter.lineTo(200, 280);
            EXPECT_EQ(painter.penWidth(), BorderWidth(doc.settings));
        }
        const int lineY = ToScreen(110, c.scale);
        int column = 0;
        for (int y = 0; y < 250; ++y)
            column += canvas.pixel(20, y) != kPaper;
        int row = 0;
        for (int x = 0; x < 200; ++x)
            row += canvas.pixel(x, lineY) != kPaper;
        if (c.thickness == 0) {
            EXPECT_EQ(column, 1) << int(c.importance);
            EXPECT_EQ(row, 33 * 3 + 2) << "dotted three on, three off";
        } else {
            EXPECT_EQ(column, c.thickness) << int(c.importance) << " " << c.scale;
        }
        int after = 0;
        for (int x = 0; x < 200; ++x)
            after += canvas.pixel(x, 280 - BorderWidth(doc.settings) / 2) != kPaper;
        EXPECT_EQ(after, 200);
    }
}

TEST(ElementPainter, AnEventWithAnEmptyNameIsABareLineAndOtherKindsDrawNothing) {
    Document doc;
    tnode event;
    event.kind = kHistoricalEvent;
    event.y = 10;
    const int index = doc.NodeTable.append(event);
    doc.NodeTable.nameExtent(index) = {0, 30};
    const ChartCanvas canvas = paintOne(doc, index, PaintPass::Normal, QSize(80, 40));
    EXPECT_EQ(pixelsOf(canvas, doc.settings.timeLineColor), segmentPixels({0, 25}, {80, 25}));
    EXPECT_TRUE(inkPixels(paintOne(doc, index, PaintPass::Shadow), kPaper).empty());

    doc.NodeTable[index].kind = 7;
    for (PaintPass pass : {PaintPass::Normal, PaintPass::Shadow})
        EXPECT_TRUE(inkPixels(paintOne(doc, index, pass), kPaper).empty());
}

TEST(ElementPainter, SelectedAndCurrentEventsTakeTheSelectedLineColour) {
    for (const bool current : {false, true}) {
        Document doc;
        tnode event;
        event.kind = kHistoricalEvent;
        event.y = 10;
        event.ownColor = 0x00FF00;
        const int index = doc.NodeTable.append(event);
        doc.NodeTable.nameExtent(index) = {0, 30};
        if (current)
            doc.view.CurrentNode = index;
        else
            doc.NodeTable.setSelected(index, true);
        const ChartCanvas canvas = paintOne(doc, index, PaintPass::Normal, QSize(80, 40));
        EXPECT_EQ(pixelsOf(canvas, doc.settings.selectedLineColor),
                  segmentPixels({0, 25}, {80, 25}))
            << current;
    }
}
