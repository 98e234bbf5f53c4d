// Times the chart's pointer handling on a 10000-element chart against one
// PaintScene of the same chart in the same view: a hover step (the hit test
// over every element), a drag step with a small and with a full selection,
// and the deletion of half the chart at once against one element at a time.
// The search through every element, letter case folded in any script, is
// timed against the former search, which folded only a..z.

#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "edit/document_session.h"
#include "interaction/chart_host.h"
#include "interaction/chart_mouse.h"
#include "interaction/chart_search.h"
#include "interaction/hit_test.h"
#include "render/scene.h"
#include "render/scroll_bars.h"
#include "text/ascii_upper.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

const QSize kChartArea(800, 600);
constexpr int kRuns = 7;
constexpr int kStepsPerRun = 200;

// A window that does nothing, so that only the interaction is timed.
class QuietHost : public ChartHost, public HintHooks {
  public:
    QSize chartAreaSize() const override { return kChartArea; }
    ChartCursor chartCursor() const override { return ChartCursor::HandFlat; }
    void setChartCursor(ChartCursor) override {}
    void setScreenCursor(std::optional<ChartCursor>) override {}
    void RequestRedraw() override {}
    bool redrawPending() const override { return true; }
    void PaintScene() override {}
    ScrollBars &scrollBars() override { return bars_; }
    void UpdateScrollBars() override {}
    void SyncScrollBarPositions() override {}
    void setDelSelectedVisible(bool) override {}
    void openContextMenu() override {}
    bool NModifyClick(bool) override { return true; }
    void hideSearchBar() override {}
    void focusMainWindow() override {}
    bool progressShown() const override { return false; }
    void startHintTimer() override {}
    void stopHintTimer() override {}
    void hideTextHint() override {}
    void hideHints() override {}
    void PrepareHintWindows() override {}
    void LoadPictureComment(const QString &) override {}

  private:
    ScrollBars bars_;
};

// Milliseconds per pointer event of `steps` events sent by `send`.
double perStepMs(const std::function<void(int)> &send) {
    return fastestMs(kRuns,
                     [&] {
                         for (int i = 0; i < kStepsPerRun; ++i)
                             send(i);
                     }) /
           kStepsPerRun;
}

void printShare(const char *what, double ms, double paintMs) {
    std::printf("%-32s %9.2f us = %6.3f %% of one PaintScene (%.2f ms)\n", what, ms * 1000,
                100.0 * ms / paintMs, paintMs);
}

ChartMouseEvent hoverAt(int x, int y) {
    return {x, y, MouseButton::Left, false, false, false, false};
}

ChartMouseEvent dragTo(int x, int y) {
    return {x, y, MouseButton::Left, true, false, false, false};
}

void benchDrag(Document &doc, ChartMouse &mouse, int selected, double paintMs) {
    doc.NodeTable.clearSelection();
    for (int i = 0; i < selected; ++i)
        doc.NodeTable.setSelected(i * (doc.NodeTable.NodeCount() / selected), true);
    // Press the first person of the top generation, then wiggle it.
    mouse.press({5, 5, MouseButton::Left, true, false, false, false});
    const double stepMs = perStepMs([&](int i) { mouse.move(dragTo(5 + i % 2, 5)); });
    mouse.release({5, 5, MouseButton::Left, false, false, false, false});
    char what[64];
    std::snprintf(what, sizeof what, "drag step, %d selected", selected);
    printShare(what, stepMs, paintMs);
}

void benchDeleteSelected(const Document &doc) {
    auto halfSelected = [&](Document &copy) {
        copy.NodeTable = doc.NodeTable;
        for (int i = 0; i < copy.NodeTable.NodeCount(); i += 2)
            copy.NodeTable.setSelected(i, true);
    };
    Document copy;
    halfSelected(copy);
    const double oneByOneMs = fastestMs(1, [&] {
        while (!copy.NodeTable.selectedIndexes().empty())
            copy.DeleteNode(copy.NodeTable.selectedIndexes().front());
    });
    const int left = copy.NodeTable.NodeCount();
    halfSelected(copy);
    const double onceMs = fastestMs(1, [&] { copy.DeleteSelectedNodes(); });
    if (copy.NodeTable.NodeCount() != left)
        std::printf("  the two deletions disagree!\n");
    std::printf("%-32s %9.2f ms = 1/%.0f of one DeleteNode at a time (%.2f ms)\n",
                "delete half the chart at once", onceMs, oneByOneMs / onceMs, oneByOneMs);
}

// The search as it was while texts were Windows-1251: only a..z folded.
bool containsUpperAscii(const tnode &node, std::string_view upperQuery) {
    const auto contains = [&](std::string_view text) {
        return UpperAscii(text).find(upperQuery) != std::string::npos;
    };
    if (contains(node.name) || contains(node.description))
        return true;
    for (const std::string &entry : node.media)
        if (contains(entry))
            return true;
    return false;
}

// A query found nowhere, so that every element's name, description and media
// entries are tested, as at the end of a search.
void benchSearch(const Document &doc, const char *chart, double paintMs) {
    const QString query = QString::fromUtf8("ΣΩΚΡΆΤΗΣ МЮЛЛЕР");
    const std::string upper = UpperAscii(query.toStdString());
    const SearchQuery folded(query);
    const ElementTable &table = doc.NodeTable;
    int found = 0;
    const double searchMs = fastestMs(kRuns, [&] {
        for (int i = 0; i < table.NodeCount(); ++i)
            found += folded.matches(table[i], true);
    });
    const double asciiMs = fastestMs(kRuns, [&] {
        for (int i = 0; i < table.NodeCount(); ++i)
            found += containsUpperAscii(table[i], upper);
    });
    if (found != 0)
        std::printf("  the query was found!\n");
    char what[64];
    std::snprintf(what, sizeof what, "search all, %s", chart);
    printRatio(what, searchMs, "the a..z search", asciiMs);
    printShare(what, searchMs, paintMs);
}

// The same chart with every name followed by one in another script.
Document withMixedScripts(const Document &doc) {
    static const char *const kNames[] = {"Zoë Müller",   "Łucja Wójcik", "Σωκράτης", "אברהם",
                                         "محمد",         "देवनागरी",      "李小龍",   "𐌰",
                                         "Marie-Thérèse"};
    Document mixed;
    mixed.NodeTable = doc.NodeTable;
    for (int i = 0; i < mixed.NodeTable.NodeCount(); ++i)
        mixed.NodeTable[i].name += std::string("\r\n") + kNames[i % std::size(kNames)];
    return mixed;
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);

    Document doc;
    DocumentSession session{doc};
    generateFamilyChart(doc, kMaxNodes, 1);
    ChartCanvas canvas(kChartArea);
    PaintScene(canvas, doc);  // measures the visible names once, as a running editor has
    const double paintMs = fastestMs(kRuns, [&] { PaintScene(canvas, doc); });
    std::printf("%d elements, chart area %d x %d, scale %.2f\n", doc.NodeTable.NodeCount(),
                kChartArea.width(), kChartArea.height(), double(doc.settings.scale));

    QuietHost host;
    ChartMouse mouse(session, host, host);
    if (HitTest(doc, 5, 5, EventBand::OneLine) != 0)
        std::printf("the first element is not where the hover expects it\n");
    // The search runs from the last element down: between elements and over
    // the first one it tests them all, over the last one it stops at once.
    const ElementTable &table = doc.NodeTable;
    const tnode &last = table[table.NodeCount() - 1];
    const int gap = table.nameExtent(0).width + 8;
    const double emptyMs = perStepMs([&](int i) { mouse.move(hoverAt(gap + i % 3, 5)); });
    const double firstMs = perStepMs([&](int i) { mouse.move(hoverAt(5 + i % 3, 5)); });
    const double lastMs =
        perStepMs([&](int i) { mouse.move(hoverAt(last.x + 5 + i % 3, last.y + 5)); });
    printShare("hover between elements", emptyMs, paintMs);
    printShare("hover over the first element", firstMs, paintMs);
    printShare("hover over the last element", lastMs, paintMs);

    for (int selected : {1, 100, kMaxNodes})
        benchDrag(doc, mouse, selected, paintMs);
    benchDeleteSelected(doc);
    benchSearch(doc, "Windows-1251 chart", paintMs);
    benchSearch(withMixedScripts(doc), "mixed scripts", paintMs);
    return 0;
}
