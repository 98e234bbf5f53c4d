#include "chart_generator.h"

#include <random>

#include "text/doc_text.h"

namespace kinvarro::bench {

void generateFamilyChart(Document &doc, int count, int mediaPerElement) {
    std::mt19937 random(42);
    const std::string surname = toDocText(QStringLiteral("Иванов"));
    constexpr int kGenerationSize = 100;
    doc.NodeTable.clear();
    doc.NodeTable.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int generation = i / kGenerationSize;
        const int slot = i % kGenerationSize;
        tnode node;
        node.id = i + 1;
        node.sex = (slot % 2) ? kSexWoman : kSexMan;
        node.name = surname + "\r\nPerson " + std::to_string(i);
        node.description = "<`S=10><`F=Arial><`C=0>Born <B>" +
                           std::to_string(1700 + generation * 25) + "</B> in a village.\r\nFarmer.";
        node.x = slot * 90;
        node.y = generation * 80;
        if (generation > 0) {
            // Parents are a couple of the previous generation: an even slot and the next one.
            const int couple = int(random() % (kGenerationSize / 2));
            node.fatherIndex = (generation - 1) * kGenerationSize + couple * 2;
            node.motherIndex = node.fatherIndex + 1;
        }
        for (int m = 0; m < mediaPerElement; ++m) {
            node.media.push_back("photos\\person" + std::to_string(i) + "_" + std::to_string(m) +
                                 ".jpg");
        }
        doc.NodeTable.append(std::move(node));
    }
    doc.MeasureAllNames();
}

}  // namespace kinvarro::bench
