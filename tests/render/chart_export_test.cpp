#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <vector>

#include "render/diagram_export.h"
#include "render/diagram_tiles.h"
#include "render/full_size_chart.h"
#include "render/print_chart.h"
#include "render/vector_export.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

// Parents, children and a grandchild spread over several tiles, with a grid,
// a shadow and a selected element.
void fillChart(Document &doc) {
    const int mother = addPerson(doc, 10, 0, -1, -1, "Mother");
    const int father = addPerson(doc, 150, 10, -1, -1, "Father\r\nSenior");
    addPerson(doc, 40, 120, mother, father, "Child");
    addPerson(doc, 230, 140, mother, father, "Second");
    addPerson(doc, -60, 230, -1, 2, "Grandchild");
    doc.NodeTable.setSelected(3, true);
    doc.settings.showHGrid = true;
    doc.settings.showShadow = true;
}

struct Exported {
    QTemporaryDir folder;
    Document doc;
    QSize area{101, 70};
    ScrollBars bars;

    Exported() {
        fillChart(doc);
        UpdateScrollBars(doc, area, bars);
    }
    QString path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }
};

// The SVG's rectangles that have both an outline and a fill of another colour:
// the person boxes (a junction square is filled with its outline's colour).
int framedBoxes(const QByteArray &svg) {
    QXmlStreamReader xml(svg);
    struct Style {
        QString fill;
        QString stroke;
    };
    std::vector<Style> styles{{QStringLiteral("none"), QStringLiteral("none")}};
    int boxes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            Style style = styles.back();
            if (attributes.hasAttribute(QStringLiteral("fill")))
                style.fill = attributes.value(QStringLiteral("fill")).toString();
            if (attributes.hasAttribute(QStringLiteral("stroke")))
                style.stroke = attributes.value(QStringLiteral("stroke")).toString();
            styles.push_back(style);
            if (xml.name() == QStringLiteral("rect") && style.stroke != QStringLiteral("none") &&
                style.fill != QStringLiteral("none") && style.fill != style.stroke)
                ++boxes;
        } else if (xml.isEndElement()) {
            styles.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return boxes;
}

}  // namespace

TEST(ChartExport, ThePngIsTheBitmapDiagramPixelForPixel) {
    Exported e;
    const QString bmp = e.path("chart.bmp");
    const QString png = e.path("chart.png");
    ASSERT_TRUE(ExportDiagram(e.doc, e.doc.view, e.area, e.bars, {}, bmp));
    ASSERT_TRUE(
        ExportDiagram(e.doc, e.doc.view, e.area, e.bars, {}, png, nullptr, DiagramFormat::Png));
    const QImage fromBmp(bmp, "BMP");
    const QImage fromPng(png, "PNG");
    const TileGrid grid = DiagramTileGrid(e.bars, e.area);
    ASSERT_EQ(fromPng.size(), QSize(int(grid.imageWidth()), int(grid.imageHeight())));
    ASSERT_GT(grid.columns * grid.rows, 4) << "the chart spans several tiles";
    EXPECT_EQ(fromPng.convertToFormat(QImage::Format_RGB32),
              fromBmp.convertToFormat(QImage::Format_RGB32));
}

TEST(ChartExport, TheSvgParsesAndHasOneBoxPerPerson) {
    Exported e;
    const QString svg = e.path("chart.svg");
    ASSERT_TRUE(ExportVector(e.doc, e.doc.view, e.area, e.bars, svg, VectorFormat::Svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(framedBoxes(text), e.doc.NodeTable.NodeCount());
    for (const char *name : {"Mother", "Senior", "Grandchild"})
        EXPECT_TRUE(text.contains(QByteArray(">") + name + "<")) << name;
}

TEST(ChartExport, ThePdfPageHasTheChartsSizeAndTheViewComesBack) {
    // The second chart is wider than a PDF page may be: its page is scaled down.
    for (const bool wide : {false, true}) {
        Exported e;
        if (wide) {
            addPerson(e.doc, 30000, 0, -1, -1, "Far");
            UpdateScrollBars(e.doc, e.area, e.bars);
        }
        e.doc.view.ViewOriginX = -33;
        e.doc.view.ViewOriginY = 17;
        const QString pdf = e.path("chart.pdf");
        ASSERT_TRUE(ExportVector(e.doc, e.doc.view, e.area, e.bars, pdf, VectorFormat::Pdf));
        EXPECT_EQ(e.doc.view.ViewOriginX, -33);
        EXPECT_EQ(e.doc.view.ViewOriginY, 17);
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        const TileGrid grid = DiagramTileGrid(e.bars, e.area);
        const double scale = wide ? kPdfMaxPagePoints / double(grid.imageWidth()) : 1.0;
        ASSERT_EQ(wide, grid.imageWidth() > kPdfMaxPagePoints);
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(text);
        ASSERT_TRUE(box.hasMatch());
        EXPECT_DOUBLE_EQ(box.captured(1).toDouble(), std::ceil(grid.imageWidth() * scale));
        EXPECT_DOUBLE_EQ(box.captured(2).toDouble(), std::ceil(grid.imageHeight() * scale));
    }
}

TEST(ChartExport, PdfPagesShrinkOnlyPastTheFormatsLimit) {
    struct Case {
        QSizeF chart;
        double scale;
    } cases[] = {
        {{800, 600}, 1.0},
        {{14400, 100}, 1.0},
        {{28800, 5400}, 0.5},
        {{5400, 57600}, 0.25},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(PdfPageScale(c.chart), c.scale) << c.chart.width();
}

TEST(ChartExport, AFailedVectorExportLeavesNoFile) {
    Exported e;
    const QString missingFolder = e.path("missing/chart.pdf");
    EXPECT_FALSE(ExportVector(e.doc, e.doc.view, e.area, e.bars, missingFolder, VectorFormat::Pdf));
    EXPECT_FALSE(QFile::exists(missingFolder));
    const QString png = e.path("empty.png");
    EXPECT_FALSE(ExportDiagram(e.doc, e.doc.view, QSize(0, 0), e.bars, {}, png, nullptr,
                               DiagramFormat::Png));
    EXPECT_FALSE(QFile::exists(png));
}

TEST(ChartExport, PrintingPutsEachSheetOfTheLayoutOnAPage) {
    Exported e;
    const TileGrid grid = DiagramTileGrid(e.bars, e.area);
    for (const PrintOptions &options :
         {PrintOptions{PrintMode::FitToPage, 1, 20}, PrintOptions{PrintMode::Poster, 2, 20}}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QSizeF(200, 150), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        ASSERT_TRUE(PrintChart(e.doc, e.doc.view, e.area, e.bars, pdf, options));
        buffer.close();
        const QSizeF paper = pdf.pageLayout().paintRect(QPageLayout::Point).size();
        const auto sheets =
            LayOutPrint(QSizeF(grid.imageWidth(), grid.imageHeight()), paper, options).size();
        const qsizetype pages =
            QString::fromLatin1(buffer.data()).count(QRegularExpression("/Type /Page\\b"));
        EXPECT_EQ(std::size_t(pages), sheets);
        EXPECT_EQ(sheets > 1, options.mode == PrintMode::Poster);
    }
}

TEST(ChartExport, PicturesAreAtFullSizeWhateverTheZoomAndTheDocumentStaysAsItIs) {
    Exported e;
    FullSizeChart atFull(e.doc, e.area);
    e.doc.settings.scale = 0.5f;
    e.doc.view.ViewOriginX = -40;
    FullSizeChart fromZoomed(e.doc, e.area);
    EXPECT_EQ(e.doc.settings.scale, 0.5f);
    EXPECT_EQ(fromZoomed.doc.settings.scale, 1.0f);
    EXPECT_TRUE(fromZoomed.doc.NodeTable.selected(3));
    EXPECT_EQ(fromZoomed.bars.ScrollBarH.Min(), atFull.bars.ScrollBarH.Min());
    EXPECT_EQ(fromZoomed.bars.ScrollBarH.Max(), atFull.bars.ScrollBarH.Max());
    EXPECT_EQ(fromZoomed.bars.ScrollBarV.Max(), atFull.bars.ScrollBarV.Max());

    const QString zoomed = e.path("zoomed.png");
    const QString full = e.path("full.png");
    ASSERT_TRUE(ExportDiagram(fromZoomed.doc, fromZoomed.doc.view, e.area, fromZoomed.bars, {},
                              zoomed, nullptr, DiagramFormat::Png));
    ASSERT_TRUE(ExportDiagram(atFull.doc, atFull.doc.view, e.area, atFull.bars, {}, full, nullptr,
                              DiagramFormat::Png));
    EXPECT_EQ(QImage(zoomed), QImage(full));
}
