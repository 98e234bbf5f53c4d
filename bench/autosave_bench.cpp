// The pause the interface sees while a 10000-element chart is autosaved (the
// snapshot taken on the interface thread; the file is written on a worker),
// against one repaint of that chart with every element in view.
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "edit/document_session.h"
#include "family_tree_generator.h"
#include "persistence/autosaver.h"
#include "persistence/native_format.h"
#include "render/scene.h"
#include "render/scroll_bars.h"
#include "render/view_geometry.h"

using namespace kinvarro;
using namespace kinvarro::bench;

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    constexpr int kPersons = 10000;
    const QSize area(800, 600);
    Document doc;
    generateFamilyTree(doc, kPersons);
    ScrollBars bars;
    UpdateScrollBars(doc, area, bars);
    const double width = bars.ScrollBarH.Max() - bars.ScrollBarH.Min();
    const double height = bars.ScrollBarV.Max() - bars.ScrollBarV.Min();
    doc.settings.scale =
        float(std::floor(std::min(area.width() / width, area.height() / height) * 100.0) / 100.0);
    doc.view.ViewOriginX = 0;
    doc.view.ViewOriginY = 0;

    ChartCanvas canvas(area);
    PaintScene(canvas, doc);
    const double repaintMs = fastestMs(7, [&] { PaintScene(canvas, doc); });

    QTemporaryDir dir;
    doc.CurrentFileName = dir.filePath(QStringLiteral("chart.kvr"));
    DocumentSession session(doc);
    session.markModified();
    Autosaver autosaver(session, dir.filePath(QStringLiteral("autosave")), 60);
    double pauseMs = 1e9;
    double wholeMs = 1e9;
    for (int i = 0; i < 7; ++i) {
        const double pause = fastestMs(1, [&] { autosaver.writeNow(); });
        const double whole = pause + fastestMs(1, [&] { autosaver.waitForWrite(); });
        pauseMs = std::min(pauseMs, pause);
        wholeMs = std::min(wholeMs, whole);
    }
    std::printf("%d persons, every one in view of %d x %d\n", doc.NodeTable.NodeCount(),
                area.width(), area.height());
    printRatio("autosave, interface thread pause", pauseMs, "one repaint", repaintMs);
    printRatio("autosave, snapshot and file written", wholeMs, "one repaint", repaintMs);
    autosaver.discard();
    return 0;
}
