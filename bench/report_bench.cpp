// Times the HTML report of a 10000-element chart against writing the same
// bytes, and the colouring of every description against reading and writing
// each description through the rich text unchanged.
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "markup/description_colouring.h"
#include "markup/markup_reader.h"
#include "markup/markup_writer.h"
#include "persistence/html_report.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

double reportMs(int count, const QString &path, QByteArray *bytes) {
    Document doc;
    generateFamilyChart(doc, count, 2);
    const double ms = fastestMs(5, [&] { (void)WriteHtmlReport(doc, path); });
    if (bytes) {
        QFile page(path);
        page.open(QIODevice::ReadOnly);
        *bytes = page.readAll();
    }
    return ms;
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);

    QTemporaryDir dir;
    const QString reportPath = dir.filePath("report.htm");
    QByteArray bytes;
    const double report = reportMs(kMaxNodes, reportPath, &bytes);
    const double plainWrite = fastestMs(5, [&] {
        QSaveFile file(dir.filePath("plain.htm"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        (void)file.commit();
    });
    std::printf("report of %d elements: %lld bytes\n", kMaxNodes, qlonglong(bytes.size()));
    printRatio("WriteHtmlReport", report, "writing the same bytes", plainWrite);
    const double quarter = reportMs(kMaxNodes / 4, reportPath, nullptr);
    std::printf("%-40s %9.2f us per element at %d, %.2f us at %d\n", "report cost",
                1000.0 * quarter / (kMaxNodes / 4), kMaxNodes / 4, 1000.0 * report / kMaxNodes,
                kMaxNodes);

    Document doc;
    generateFamilyChart(doc, kMaxNodes, 0);
    QTextDocument scratch;
    std::vector<std::string> coloured;
    const double colouring =
        fastestMs(3, [&] { coloured = ColourDescriptions(doc.NodeTable, scratch); });
    const double roundTrip = fastestMs(3, [&] {
        RichTextDocument rich(scratch);
        for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
            MarkupToRichText(doc.NodeTable[i].description, rich);
            volatile std::size_t size = RichTextToMarkup(rich).size();
            (void)size;
        }
    });
    printRatio("ColourDescriptions", colouring, "rich-text round trip", roundTrip);
    std::printf("%-40s %9.2f us per element\n", "colouring", 1000.0 * colouring / kMaxNodes);
    return 0;
}
