// Times the GEDCOM export of a 10000-element chart against writing the same
// number of bytes: plainly, and through a save file as the export does (its
// flush to disk is most of the difference between the two).
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "persistence/gedcom_writer.h"

using namespace kinvarro;
using namespace kinvarro::bench;

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);

    Document doc;
    generateFamilyChart(doc, kMaxNodes, 5);
    QTemporaryDir dir;
    const QString gedcomPath = dir.filePath("chart.ged");
    const QString plainPath = dir.filePath("plain.bin");

    constexpr int kRuns = 15;
    for (const GedcomEncoding encoding : {GedcomEncoding::Ansi, GedcomEncoding::Utf8}) {
        const bool utf8 = encoding == GedcomEncoding::Utf8;
        const QByteArray bytes = GedcomFileImage(doc, gedcomPath, encoding);
        std::printf("%s: %d elements, %lld bytes\n", utf8 ? "UTF-8" : "ANSI",
                    doc.NodeTable.NodeCount(), qlonglong(bytes.size()));
        const double plainWrite = fastestMs(kRuns, [&] {
            QFile f(plainPath);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        });
        const double savedWrite = fastestMs(kRuns, [&] {
            QSaveFile f(plainPath);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            f.commit();
        });
        qsizetype builtBytes = 0;
        const double image = fastestMs(
            kRuns, [&] { builtBytes += GedcomFileImage(doc, gedcomPath, encoding).size(); });
        if (builtBytes != kRuns * bytes.size())
            return 1;
        const double write =
            fastestMs(kRuns, [&] { (void)WriteGedcom(doc, gedcomPath, encoding); });
        printRatio("  building the file in memory", image, "plain write", plainWrite);
        printRatio("  WriteGedcom", write, "plain write", plainWrite);
        printRatio("  WriteGedcom", write, "save-file write", savedWrite);
    }
    return 0;
}
