// Times the GEDCOM import of generated files against merely reading their
// lines, the same files with CR line ends against LF ones, with the share of name measuring and,
// where it ends within a minute, the placement as its rules literally read.
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "gedcom_generator.h"
#include "gedcom_placement_literal.h"
#include "model/document.h"
#include "persistence/gedcom_import.h"
#include "persistence/gedcom_lines.h"
#include "persistence/gedcom_placement.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const std::string &text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), qint64(text.size()));
    return path;
}

long long readLines(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    GedcomLines lines(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    std::string_view line;
    long long count = 0;
    while (lines.next(line))
        ++count;
    return count;
}

std::vector<PlacementElement> placementInput(const Document &doc) {
    std::vector<PlacementElement> elements;
    for (int i = 0; i < doc.NodeTable.NodeCount(); ++i) {
        elements.push_back({doc.NodeTable[i].fatherIndex, doc.NodeTable[i].motherIndex,
                            doc.NodeTable.nameExtent(i).width});
    }
    return elements;
}

// The literal placement in a child process, given a minute; -1 when it overran.
double literalMs(const std::vector<PlacementElement> &elements) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        const double ms = fastestMs(1, [&] { PlaceGenerationsLiterally(elements); });
        (void)!write(pipeEnds[1], &ms, sizeof ms);
        _exit(0);
    }
    close(pipeEnds[1]);
    double ms = -1;
    for (int waited = 0; waited < 600; ++waited) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            if (read(pipeEnds[0], &ms, sizeof ms) != sizeof ms)
                ms = -1;
            close(pipeEnds[0]);
            return ms;
        }
        usleep(100000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(pipeEnds[0]);
    return -1;
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    QTemporaryDir dir;

    for (const int persons : {1000, 5000, 10000, 20000}) {
        const std::string text = generateGedcom(persons, 7);
        const QString path = writeFile(dir, QStringLiteral("tree%1.ged").arg(persons), text);
        std::printf("\n%d persons, %zu bytes, %lld lines\n", persons, text.size(), readLines(path));

        const int runs = persons <= 5000 ? 5 : 3;
        const double linesMs = fastestMs(runs, [&] { readLines(path); });
        Document doc;
        const double importMs = fastestMs(runs, [&] { ImportGedcom(path, doc, nullptr); });
        const double measureMs = fastestMs(runs, [&] { doc.MeasureAllNames(); });
        const std::vector<PlacementElement> elements = placementInput(doc);
        const double placeMs = fastestMs(runs, [&] { PlaceGenerations(elements); });
        printRatio("whole import", importMs, "reading the lines", linesMs);
        // Classic Mac programs end lines with CR alone; the import must not slow down for it.
        std::string crText = text;
        std::replace(crText.begin(), crText.end(), '\n', '\r');
        const QString crPath = writeFile(dir, QStringLiteral("tree%1cr.ged").arg(persons), crText);
        Document crDoc;
        const double crMs = fastestMs(runs, [&] { ImportGedcom(crPath, crDoc, nullptr); });
        printRatio("import, CR line ends", crMs, "import, LF line ends", importMs);
        std::printf("  of which measuring names %.2f ms (%.0f %%), placement %.2f ms (%.0f %%)\n",
                    measureMs, 100 * measureMs / importMs, placeMs, 100 * placeMs / importMs);
        const double literal = literalMs(elements);
        if (literal < 0) {
            std::printf("  literal placement: did not end within a minute\n");
        } else {
            printRatio("  literal placement", literal, "fast placement", placeMs);
        }
    }
    return 0;
}
