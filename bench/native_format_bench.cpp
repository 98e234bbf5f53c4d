// Times reading and writing a 10000-element chart against plain file I/O of
// the same number of bytes, and measuring its names from the advance tables
// against measuring each line through Qt.
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "model/chart_font.h"
#include "persistence/native_format.h"
#include "render/text_lines.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

// Every name measured line by line through QFontMetrics in its element's font,
// with Qt's own kerning and shaping when `shaped`, else in the chart font as
// the program sets it up.
double measureThroughQt(const Document &doc, bool shaped) {
    std::int64_t sum = 0;
    const double ms = fastestMs(3, [&] {
        for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
            const tnode &node = doc.NodeTable[i];
            QFont font = fontForRecord(node.font.isSet() ? node.font : doc.settings.chartFont);
            if (shaped) {
                font.setKerning(true);
                font.setStyleStrategy(QFont::PreferDefault);
                font.setHintingPreference(QFont::PreferDefaultHinting);
            }
            const QFontMetrics metrics = chartFontMetrics(font);
            for (const QString &line : SplitLines(node.name))
                sum += metrics.horizontalAdvance(line);
        }
    });
    volatile std::int64_t measured = sum;
    (void)measured;
    return ms;
}

// Reads and writes `doc` as a chart file and as plain bytes, and prints the ratios.
bool benchChart(Document &doc, const QTemporaryDir &dir, const char *what) {
    const QString chartPath = dir.filePath("chart.kvr");
    const QString plainPath = dir.filePath("plain.bin");
    if (!WriteDocument(chartPath, doc).ok())
        return false;
    QFile chart(chartPath);
    chart.open(QIODevice::ReadOnly);
    const QByteArray bytes = chart.readAll();
    std::printf("%s: %d elements, %lld bytes, version %d\n", what, doc.NodeTable.NodeCount(),
                qlonglong(bytes.size()), int(bytes.at(3)));

    constexpr int kRuns = 7;
    // The baseline write goes through a save file as WriteDocument's does.
    const double plainWrite = fastestMs(kRuns, [&] {
        QSaveFile f(plainPath);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.commit();
    });
    const double plainRead = fastestMs(kRuns, [&] {
        QFile f(plainPath);
        f.open(QIODevice::ReadOnly);
        volatile qsizetype size = f.readAll().size();
        (void)size;
    });
    const double write = fastestMs(kRuns, [&] { (void)WriteDocument(chartPath, doc); });
    const double read = fastestMs(kRuns, [&] {
        Document loaded;
        (void)ReadDocument(chartPath, loaded);
    });
    const double measure = fastestMs(kRuns, [&] { doc.MeasureAllNames(); });
    printRatio("  WriteDocument", write, "save-file write", plainWrite);
    printRatio("  ReadDocument (with name measuring)", read, "plain read", plainRead);
    printRatio("    of which measuring the names", measure, "plain read", plainRead);
    printRatio("  measuring through Qt, unshaped", measureThroughQt(doc, false), "advance tables",
               measure);
    printRatio("  measuring through Qt, shaped and kerned", measureThroughQt(doc, true),
               "advance tables", measure);
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(qRgb(200, 220, 240));
    QTemporaryDir dir;

    Document doc;
    Document mixed;
    for (auto [chart, mixedScripts] : {std::pair{&doc, false}, std::pair{&mixed, true}}) {
        generateFamilyChart(*chart, kMaxNodes, 5, mixedScripts);
        chart->settings.backgroundPicture = picture;
        chart->settings.pictureMode = PictureMode::Tile;
    }
    if (!benchChart(doc, dir, "Windows-1251 chart") || !benchChart(mixed, dir, "mixed scripts"))
        return 1;

    // Keeps the chart for looking at it with other tools (kvrtool info ...).
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--keep"))
        (void)WriteDocument(args[2], doc);
    return 0;
}
