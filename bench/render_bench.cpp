// Times PaintScene on a 10000-person family chart, one with Russian names and
// one with names in a dozen scripts, against a bare QPainter loop drawing the
// same boxes and names: on a fresh canvas, on a canvas that has
// painted the chart before, and with the table scanned for every connection
// line; and measuring the names alone as the painter does. With --export PATH
// it writes the chart's diagram at 100 % instead and times that against
// painting its tiles alone.

#include <QDir>
#include <QFile>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "bench_application.h"
#include "bench_support.h"
#include "family_tree_generator.h"
#include "render/diagram_export.h"
#include "render/diagram_tiles.h"
#include "render/scene.h"
#include "render/text_lines.h"
#include "render/view_geometry.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

constexpr int kPersons = 10000;
const QSize kChartArea(800, 600);

// The boxes and name lines of every person where the scene puts them, ready
// for a plain QPainter loop.
struct BareScene {
    struct Line {
        QPointF at;
        QString text;
        bool shaped;  ///< beyond Windows-1251: drawn in the font with shaping on
    };
    struct Box {
        QRect rect;
        QColor fill;
        std::vector<Line> lines;
    };
    QFont font;
    QFont shapingFont;
    std::vector<Box> boxes;
};

BareScene prepareBareScene(const Document &doc) {
    BareScene scene;
    tmyfont font = doc.settings.chartFont;
    font.size = ToScreen(font.size, doc.settings.scale);
    scene.font = fontForRecord(font);
    scene.shapingFont = scene.font;
    scene.shapingFont.setStyleStrategy(QFont::PreferDefault);
    const QFontMetrics metrics(scene.font);
    const float scale = doc.settings.scale;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        const tnode &node = doc.NodeTable[i];
        const NameExtent extent = doc.NodeTable.nameExtent(i);
        BareScene::Box box;
        const int left = ToScreen(node.x, scale) + doc.view.ViewOriginX;
        const int top = ToScreen(node.y, scale) + doc.view.ViewOriginY;
        box.rect = QRect(left, top, ToScreen(extent.width, scale), ToScreen(extent.height, scale));
        box.fill = QColor(toQRgb(fillColorForSex(doc.settings, node.sex)));
        int y = top + metrics.ascent();
        for (const QString &line : SplitLines(node.name)) {
            box.lines.push_back({QPointF(left, y), line, !docTextFitsCp1251(toDocText(line))});
            y += metrics.height();
        }
        scene.boxes.push_back(std::move(box));
    }
    return scene;
}

void paintBareScene(ChartCanvas &canvas, const BareScene &scene) {
    QPainter painter(&canvas.image());
    for (const BareScene::Box &box : scene.boxes) {
        painter.fillRect(box.rect, box.fill);
        for (const BareScene::Line &line : box.lines) {
            painter.setFont(line.shaped ? scene.shapingFont : scene.font);
            painter.drawText(line.at, line.text);
        }
    }
}

// Every person's name split and measured in the scaled chart font, as the
// element painter does it before drawing.
void measureNames(const Document &doc) {
    tmyfont font = doc.settings.chartFont;
    font.size = ToScreen(font.size, doc.settings.scale);
    const std::shared_ptr<const AdvanceTable> advances = AdvanceTable::of(font);
    std::int64_t widths = 0;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i)
        widths += MeasureLines(doc.NodeTable[i].name, *advances).extent().width;
    volatile std::int64_t measured = widths;
    (void)measured;
}

void benchView(Document &doc, const char *what) {
    ChartCanvas canvas(kChartArea);
    const BareScene bare = prepareBareScene(doc);
    const double bareMs = fastestMs(7, [&] { paintBareScene(canvas, bare); });
    const double firstMs = fastestMs(7, [&] {
        ChartCanvas fresh(kChartArea);
        PaintScene(fresh, doc);
    });
    const double fastMs = fastestMs(7, [&] { PaintScene(canvas, doc); });
    const double measureMs = fastestMs(7, [&] { measureNames(doc); });
    const double directMs =
        fastestMs(2, [&] { PaintScene(canvas, doc, {}, ChildGroupSearch::ScanPerLine); });
    std::printf("%s, scale %.2f\n", what, double(doc.settings.scale));
    printRatio("  PaintScene, first paint of a canvas", firstMs, "bare loop", bareMs);
    printRatio("  PaintScene, repainted", fastMs, "bare loop", bareMs);
    printRatio("  measuring every name alone", measureMs, "bare loop", bareMs);
    printRatio("  PaintScene repainted, lines scanning", directMs, "bare loop", bareMs);
}

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

int benchExport(Document &doc, const QString &path) {
    doc.settings.scale = 1.0f;
    ScrollBars bars;
    UpdateScrollBars(doc, kChartArea, bars);
    const TileGrid grid = DiagramTileGrid(bars, kChartArea);
    Status status = Status::success();
    const double exportMs =
        fastestMs(1, [&] { status = ExportDiagram(doc, doc.view, kChartArea, bars, {}, path); });
    if (!status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.message()));
        return 1;
    }
    ChartCanvas canvas(kChartArea);
    const double tilesMs = fastestMs(1, [&] {
        for (std::int64_t row = 0; row < grid.rows; ++row) {
            for (std::int64_t column = 0; column < grid.columns; ++column) {
                doc.view.ViewOriginX = -std::int32_t(grid.columnStart(column));
                doc.view.ViewOriginY = -std::int32_t(grid.rowStart(row));
                PaintScene(canvas, doc);
            }
        }
    });
    std::printf("Diagram %lld x %lld pixels in %lld tiles, %.1f MB\n",
                static_cast<long long>(grid.imageWidth()),
                static_cast<long long>(grid.imageHeight()),
                static_cast<long long>(grid.columns * grid.rows),
                double(QFile(path).size()) / (1024.0 * 1024.0));
    printRatio("  ExportDiagram", exportMs, "painting its tiles", tilesMs);
    std::printf("  peak resident memory of this process: %ld kB\n", peakResidentKb());
    return 0;
}

void benchChart(NameScripts scripts, const char *what) {
    Document doc;
    generateFamilyTree(doc, kPersons, scripts);
    std::printf("%s\n", what);
    ScrollBars bars;
    UpdateScrollBars(doc, kChartArea, bars);
    const double chartWidth = bars.ScrollBarH.Max() - bars.ScrollBarH.Min();
    const double chartHeight = bars.ScrollBarV.Max() - bars.ScrollBarV.Min();
    std::printf("%d persons on a chart of %.0f x %.0f units, chart area %d x %d\n", kPersons,
                chartWidth, chartHeight, kChartArea.width(), kChartArea.height());

    // Every box visible: the largest whole percent that fits the chart in.
    const double fit = std::min(kChartArea.width() / chartWidth, kChartArea.height() / chartHeight);
    doc.settings.scale = float(std::floor(fit * 100.0) / 100.0);
    doc.view.ViewOriginX = 0;
    doc.view.ViewOriginY = 0;
    benchView(doc, "Whole chart visible");

    doc.settings.scale = 1.0f;
    doc.view.ViewOriginX = -int(chartWidth / 2);
    doc.view.ViewOriginY = -int(chartHeight / 2);
    benchView(doc, "Middle of the chart at 100 %");
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--export") == 0) {
        Document doc;
        generateFamilyTree(doc, kPersons);
        return benchExport(doc, QString::fromLocal8Bit(argv[2]));
    }
    benchChart(NameScripts::Cyrillic, "Russian names (Windows-1251)");
    benchChart(NameScripts::Mixed, "Names in a dozen scripts");
    return 0;
}
