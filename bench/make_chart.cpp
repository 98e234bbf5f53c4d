// Writes a generated family chart for checks by eye and in a browser:
// make_chart OUT.kvr COUNT. Names are Cyrillic, descriptions coloured, and a
// few names and descriptions hold the characters HTML reads as markup.
#include <cstdio>

#include "bench_application.h"
#include "chart_generator.h"
#include "persistence/native_format.h"
#include "text/doc_text.h"

using namespace kinvarro;

int main(int argc, char **argv) {
    bench::BenchApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool valid = false;
    const int count = args.size() == 3 ? args[2].toInt(&valid) : 0;
    if (!valid || count < 1 || count > kMaxNodes) {
        std::fprintf(stderr, "usage: make_chart OUT.kvr COUNT (1..%d)\n", kMaxNodes);
        return 2;
    }
    Document doc;
    bench::generateFamilyChart(doc, count, 0);
    const QStringList given = {QStringLiteral("Иван"), QStringLiteral("Мария"),
                               QStringLiteral("Пётр"), QStringLiteral("Ёлка & <Ель>"),
                               QStringLiteral("Анна \"Мала\"")};
    for (int i = 0; i < count; ++i) {
        tnode &node = doc.NodeTable[i];
        const std::string name = toDocText(given[i % given.size()]);
        node.name = toDocText(QStringLiteral("Иванов")) + "\r\n" + name + " " + std::to_string(i);
        node.description = "<`S=10><`F=Arial><`C=0>" + name +
                           toDocText(QStringLiteral(": родился ")) + "<`C=16711680><B>" +
                           std::to_string(1700 + i % 300) + "</B><`C=255>" +
                           toDocText(QStringLiteral(" в деревне")) + "\r\n<`C=32768>a < b && \"c\"";
    }
    doc.MeasureAllNames();
    if (Status status = WriteDocument(args[1], doc); !status) {
        std::fprintf(stderr, "make_chart: %s\n", qPrintable(status.message()));
        return 1;
    }
    return 0;
}
