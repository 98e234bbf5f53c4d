// Times reading a description of many runs, each in a face (colour, size) of
// its own, against the same runs all in one: reading must stay linear however
// many faces, colours and sizes a (crafted) description names.

#include <QTextDocument>
#include <cstdio>
#include <string>

#include "bench_application.h"
#include "bench_support.h"
#include "markup/markup_reader.h"
#include "markup/rich_text_document.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

constexpr int kRuns = 3;

struct Attribute {
    const char *name;
    const char *tag;   // the tag before the run's number
    const char *unit;  // what follows the number
};

constexpr Attribute kAttributes[] = {
    {"face", "<`F=Face", ">"}, {"colour", "<`C=", ">"}, {"size", "<`S=", ">"}};

// `runs` runs of one word, each with the attribute's value 1, 2, ... or all with 1.
std::string Description(const Attribute &attribute, int runs, bool ownValues) {
    std::string markup;
    for (int i = 1; i <= runs; ++i)
        markup += attribute.tag + std::to_string(ownValues ? i : 1) + attribute.unit + "word ";
    return markup;
}

double ReadMs(const std::string &markup) {
    return fastestMs(kRuns, [&] {
        QTextDocument qdoc;
        RichTextDocument rich(qdoc);
        MarkupToRichText(markup, rich);
    });
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    for (const Attribute &attribute : kAttributes) {
        for (const int runs : {2000, 8000}) {
            const double same = ReadMs(Description(attribute, runs, false));
            const double own = ReadMs(Description(attribute, runs, true));
            char what[64];
            char baseline[32];
            std::snprintf(what, sizeof what, "%d runs, each its own %s", runs, attribute.name);
            std::snprintf(baseline, sizeof baseline, "all of one %s", attribute.name);
            printRatio(what, own, baseline, same);
        }
    }
    return 0;
}
