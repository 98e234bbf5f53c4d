#include "chart_generator.h"

#include <iterator>
#include <random>

#include "text/doc_text.h"

namespace kinvarro::bench {

namespace {

const char *const kMixedSurnames[] = {
    "Müller", "Wójcik", "Παπαδόπουλος", "Иванов", "כהן", "حداد", "शर्मा", "王", "Łódź", "𐌰𐌱",
};

}  // namespace

void generateFamilyChart(Document &doc, int count, int mediaPerElement, bool mixedScripts) {
    std::mt19937 random(42);
    const std::string cyrillic = toDocText(QStringLiteral("Иванов"));
    constexpr int kGenerationSize = 100;
    doc.NodeTable.clear();
    doc.NodeTable.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int generation = i / kGenerationSize;
        const int slot = i % kGenerationSize;
        tnode node;
        node.id = i + 1;
        node.sex = (slot % 2) ? kSexWoman : kSexMan;
        const std::string surname =
            mixedScripts ? kMixedSurnames[std::size_t(i) % std::size(kMixedSurnames)] : cyrillic;
        node.name = surname + "\r\nPerson " + std::to_string(i);
        node.description = "<`S=10><`F=Arial><`C=0>Born <B>" +
                           std::to_string(1700 + generation * 25) + "</B> in a village.\r\n" +
                           (mixedScripts ? surname : std::string("Farmer")) + ".";
        node.x = slot * 90;
        node.y = generation * 80;
        if (generation > 0) {
            // Parents are a couple of the previous generation: an even slot and the next one.
            const int couple = int(random() % (kGenerationSize / 2));
            node.fatherIndex = (generation - 1) * kGenerationSize + couple * 2;
            node.motherIndex = node.fatherIndex + 1;
        }
        for (int m = 0; m < mediaPerElement; ++m) {
            node.media.push_back((mixedScripts ? surname : std::string("photos")) + "\\person" +
                                 std::to_string(i) + "_" + std::to_string(m) + ".jpg");
        }
        doc.NodeTable.append(std::move(node));
    }
    doc.MeasureAllNames();
}

}  // namespace kinvarro::bench
