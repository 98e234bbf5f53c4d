#include <gtest/gtest.h>

#include <QPainter>
#include <map>

#include "recording_device.h"
#include "render/connection_lines.h"
#include "render/element_painter.h"
#include "render/vector_painter.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kPaper = 0xFFFFFF;
constexpr QSize kSize{300, 150};

// Paints with the vector backend onto a device that keeps the shapes.
template <typename Paint>
Recording recordVector(Paint paint) {
    RecordingDevice device(kSize);
    {
        QPainter qp(&device);
        VectorPainter painter(qp, kSize);
        paint(painter);
    }
    return device.recording();
}

template <typename Paint>
ChartCanvas paintRaster(Paint paint) {
    ChartCanvas canvas = filledCanvas(kSize, kPaper);
    CanvasPainter painter(canvas);
    paint(painter);
    return canvas;
}

using Segment = std::pair<QPoint, QPoint>;

// One-pixel lines are drawn through pixel centres; back to pixel positions.
Segment pixelSegment(const RecordedLine &recorded) {
    const QLineF l = recorded.line.translated(-0.5, -0.5);
    return {l.p1().toPoint(), l.p2().toPoint()};
}

}  // namespace

// The worked example of a child below its mother (100, 0) and father (200, 0).
TEST(VectorPainter, ConnectionLinesHaveTheRasterGeometry) {
    Document doc;
    const int mother = addBox(doc, 100, 0);
    const int father = addBox(doc, 200, 0);
    const int child = addBox(doc, 150, 100, mother, father);
    const DocumentSettings &s = doc.settings;
    auto paint = [&](ChartPainter &painter) {
        const ChildGroups groups(doc.NodeTable);
        PaintConnectionLines(painter, doc, child, PaintPass::Normal, groups);
    };
    const Recording vector = recordVector(paint);
    const ChartCanvas raster = paintRaster(paint);

    std::map<TColor, std::vector<Segment>> byColour;
    for (const RecordedLine &line : vector.lines) {
        EXPECT_EQ(line.width, 1.0);
        byColour[fromQRgb(line.color.rgb())].push_back(pixelSegment(line));
    }
    const std::vector<Segment> motherLines{{{120, 13}, {120, 85}},
                                           {{120, 85}, {175, 85}},
                                           {{175, 85}, {175, 100}},
                                           {{175, 98}, {172, 91}},
                                           {{175, 98}, {178, 91}}};
    const std::vector<Segment> fatherLines{{{220, 13}, {220, 80}},
                                           {{220, 80}, {170, 80}},
                                           {{170, 80}, {170, 100}},
                                           {{170, 98}, {167, 91}},
                                           {{170, 98}, {173, 91}}};
    EXPECT_EQ(byColour[s.motherLineColor], motherLines);
    EXPECT_EQ(byColour[s.fatherLineColor], fatherLines);

    // The raster ink is exactly the recorded straight segments, arrowheads aside.
    PixelSet straight;
    for (const RecordedLine &line : vector.lines) {
        const auto [a, b] = pixelSegment(line);
        if (a.x() == b.x() || a.y() == b.y())
            straight.merge(segmentPixels(a, b));
    }
    PixelSet ink = inkPixels(raster, kPaper);
    std::erase_if(ink, [](const auto &p) { return p.second >= 91 && p.second < 99; });
    std::erase_if(straight, [](const auto &p) { return p.second >= 91 && p.second < 99; });
    EXPECT_EQ(ink, straight);
}

TEST(VectorPainter, PersonBoxCoversTheRasterFrameAndHoldsItsNameAsText) {
    Document doc;
    const int person = addPerson(doc, 100, 50, -1, -1, "Name");
    for (const int lineWidth : {1, 3}) {
        doc.settings.lineWidth = lineWidth;
        auto paint = [&](ChartPainter &painter) {
            RecordToScaledFont(doc.settings.chartFont, painter, doc.settings.scale);
            PaintElement(painter, doc, person, PaintPass::Normal);
        };
        const Recording vector = recordVector(paint);
        const ChartCanvas raster = paintRaster(paint);

        ASSERT_EQ(vector.rects.size(), std::size_t(2)) << "the box and the text cell";
        const RecordedRect &box = vector.rects.front();
        const double half = box.penWidth / 2;
        const QRectF outer = box.rect.adjusted(-half, -half, half, half);
        QRect inked;
        for (const auto &[x, y] : inkPixels(raster, kPaper))
            inked |= QRect(x, y, 1, 1);
        EXPECT_EQ(outer, QRectF(inked)) << "line width " << lineWidth;
        EXPECT_EQ(fromQRgb(box.pen.rgb()), doc.settings.fatherLineColor);
        EXPECT_EQ(fromQRgb(box.fill.rgb()),
                  fillColorForSex(doc.settings, doc.NodeTable[person].sex));
        ASSERT_EQ(vector.texts.size(), std::size_t(1));
        EXPECT_EQ(vector.texts.front().text, QStringLiteral("Name"));
    }
}
