// Exports the 10000-person family chart at 100 % as BMP, PNG, PDF and SVG,
// each in a process of its own so that its peak memory is its own, and prints
// the time and peak memory of each against the BMP diagram's, with the file
// sizes. Usage: export_bench OUTDIR. (export_bench --one FORMAT PATH is the
// child run: it prints "milliseconds peak-kB bytes".)

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "family_tree_generator.h"
#include "render/diagram_export.h"
#include "render/font_substitutes.h"
#include "render/vector_export.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

constexpr int kPersons = 10000;
const QSize kChartArea(800, 600);

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

int exportOne(const QString &format, const QString &path) {
    Document doc;
    generateFamilyTree(doc, kPersons);
    doc.settings.scale = 1.0f;
    ScrollBars bars;
    UpdateScrollBars(doc, kChartArea, bars);
    Status status = Status::success();
    const double ms = fastestMs(1, [&] {
        if (format == QLatin1String("bmp") || format == QLatin1String("png")) {
            status = ExportDiagram(
                doc, doc.view, kChartArea, bars, {}, path, nullptr,
                format == QLatin1String("png") ? DiagramFormat::Png : DiagramFormat::Bmp);
        } else {
            status = ExportVector(
                doc, doc.view, kChartArea, bars, path,
                format == QLatin1String("pdf") ? VectorFormat::Pdf : VectorFormat::Svg);
        }
    });
    if (!status) {
        std::fprintf(stderr, "%s\n", qPrintable(status.message()));
        return 1;
    }
    std::printf("%.1f %ld %lld\n", ms, peakResidentKb(),
                static_cast<long long>(QFile(path).size()));
    return 0;
}

struct Run {
    double ms = 0;
    double peakKb = 0;
    double bytes = 0;
};

bool runChild(const QString &format, const QString &path, Run &run) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--one", format, path});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s export failed: %s\n", qPrintable(format),
                     child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 3)
        return false;
    run = {fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble()};
    QFile::remove(path);
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    if (argc == 4 && std::strcmp(argv[1], "--one") == 0)
        return exportOne(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_bench OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    Run bmp;
    if (!runChild("bmp", out.filePath("chart.bmp"), bmp))
        return 1;
    std::printf("%d persons at 100 %%, chart area %d x %d; each export in its own process\n",
                kPersons, kChartArea.width(), kChartArea.height());
    std::printf("  BMP: %.0f ms, peak %.0f kB, %.1f MB\n", bmp.ms, bmp.peakKb, bmp.bytes / 1048576);
    for (const char *format : {"png", "pdf", "svg"}) {
        Run run;
        if (!runChild(format, out.filePath(QStringLiteral("chart.") + format), run))
            return 1;
        std::printf("  %s: %.1f MB\n", format, run.bytes / 1048576);
        printRatio("    time", run.ms, "the BMP", bmp.ms);
        std::printf("    peak memory %9.0f kB  = %7.2fx the BMP (%.0f kB)\n", run.peakKb,
                    run.peakKb / bmp.peakKb, bmp.peakKb);
    }
    return 0;
}
