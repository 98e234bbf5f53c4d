// What the edit history costs on the largest chart: 1000 drags and 100 editor
// applies, in memory (against the saved document's size) and in time (against
// making the same changes without a history).
#include <malloc.h>
#include <QCoreApplication>
#include <random>

#include "bench_application.h"
#include "bench_support.h"
#include "chart_generator.h"
#include "edit/document_session.h"
#include "persistence/native_format.h"

using namespace kinvarro;
using namespace kinvarro::bench;

namespace {

constexpr int kDrags = 1000;
constexpr int kStepsPerDrag = 20;
constexpr int kApplies = 100;

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// The edits of the run, through the session; `record` false moves the same
// elements straight in the table for the baseline.
void runEdits(DocumentSession &session, Document &doc, bool record) {
    std::mt19937 random(5);
    const int count = doc.NodeTable.NodeCount();
    for (int d = 0; d < kDrags; ++d) {
        std::vector<int> moved;
        for (int k = 0; k < 10; ++k)
            moved.push_back(int(random() % unsigned(count)));
        if (record)
            session.beginGesture("drag");
        for (int s = 0; s < kStepsPerDrag; ++s) {
            if (record) {
                session.moveElementsBy(moved, 3, -2);
            } else {
                for (int i : moved) {
                    doc.NodeTable[i].x += 3;
                    doc.NodeTable[i].y -= 2;
                }
            }
        }
        if (record)
            session.endGesture();
    }
    for (int a = 0; a < kApplies; ++a) {
        const int index = int(random() % unsigned(count));
        tnode node = doc.NodeTable[index];
        node.description += "<B>applied</B>";
        if (record)
            session.replaceElement(index, std::move(node));
        else
            doc.NodeTable[index] = std::move(node);
    }
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);

    Document doc;
    generateFamilyChart(doc, kMaxNodes, 2);
    QByteArray bytes;
    if (!writeNativeDocument(doc, bytes).ok())
        return 1;

    const double plain = fastestMs(1, [&] {
        DocumentSession unused{doc};
        runEdits(unused, doc, false);
    });
    DocumentSession session{doc};
    const std::size_t before = heapInUse();
    const double recorded = fastestMs(1, [&] { runEdits(session, doc, true); });
    const std::size_t history = heapInUse() - before;

    std::printf("%d drags of %d steps and %d applies on %d elements: %d steps in the history\n",
                kDrags, kStepsPerDrag, kApplies, doc.NodeTable.NodeCount(),
                session.undoStack().count());
    printRatio("edits through the history", recorded, "the same edits in the table", plain);
    std::printf("%-40s %9.2f MB  = %7.2fx the saved document (%.2f MB)\n", "history memory",
                double(history) / 1e6, double(history) / double(bytes.size()),
                double(bytes.size()) / 1e6);
    const double undoAll = fastestMs(1, [&] {
        while (session.undoStack().canUndo())
            session.undoStack().undo();
    });
    printRatio("undoing every step", undoAll, "the edits through the history", recorded);
    return 0;
}
