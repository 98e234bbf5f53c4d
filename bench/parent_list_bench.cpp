// Times a keystroke in the parent list's search on a 2000-person chart
// against building the list itself, which the element editor does whenever
// it opens: the search must cost a fraction of that.

#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "editors/parent_list.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

constexpr int kPersons = 2000;
constexpr int kRuns = 7;

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    Document doc;
    generateFamilyChart(doc, kPersons, 0);

    std::size_t sink = 0;
    const double listMs =
        fastestMs(kRuns, [&] { sink += std::size_t(ParentListItems(doc).size()); });
    const double prepareMs =
        fastestMs(kRuns, [&] { sink += ParentListFilter(doc).shownItems({}).size(); });
    const ParentListFilter filter(doc);
    // A name typed letter by letter, then a text that matches nothing.
    const QStringList typed{QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("ann"),
                            QStringLiteral("anna"), QStringLiteral("zzzz")};
    const double keyMs = fastestMs(kRuns,
                                   [&] {
                                       for (const QString &text : typed)
                                           sink += filter.shownItems(text).size();
                                   }) /
                         double(typed.size());

    std::printf("%d persons\n", kPersons);
    printRatio("preparing the search", prepareMs, "building the list", listMs);
    printRatio("one keystroke", keyMs, "building the list", listMs);
    return sink == 0 ? 1 : 0;
}
