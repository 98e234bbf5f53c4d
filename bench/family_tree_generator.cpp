#include "family_tree_generator.h"

#include <random>

#include "text/doc_text.h"

namespace kinvarro::bench {
namespace {

constexpr int kFounders = 60;
constexpr int kWidestGeneration = 150;
constexpr int kColumnWidth = 140;
constexpr int kRowHeight = 90;

const char *const kMen[] = {"Иван", "Пётр", "Сергей", "Алексей", "Николай", "Михаил"};
const char *const kWomen[] = {"Мария", "Анна", "Ольга", "Наталья", "Екатерина", "Елена"};

}  // namespace

void generateFamilyTree(Document &doc, int count) {
    std::mt19937 random(2024);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    doc.NodeTable.clear();
    doc.NodeTable.reserve(count);
    std::vector<int> generation;
    auto addPerson = [&](int generationIndex, int column, int mother, int father) {
        tnode node;
        node.id = doc.NodeTable.NodeCount() + 1;
        node.sex = column % 2 == 0 ? kSexMan : kSexWoman;
        const int born = 1600 + generationIndex * 25 + pick(0, 10);
        const QString first =
            QString::fromUtf8(node.sex == kSexMan ? kMen[pick(0, 5)] : kWomen[pick(0, 5)]);
        node.name = toDocText(QStringLiteral("%1 %2\r\n%3-%4")
                                  .arg(first, node.sex == kSexMan ? QStringLiteral("Кузнецов")
                                                                  : QStringLiteral("Кузнецова"))
                                  .arg(born)
                                  .arg(born + pick(20, 80)));
        node.x = column * kColumnWidth;
        node.y = generationIndex * kRowHeight;
        node.motherIndex = mother;
        node.fatherIndex = father;
        return doc.NodeTable.append(std::move(node));
    };
    for (int i = 0; i < kFounders && doc.NodeTable.NodeCount() < count; ++i)
        generation.push_back(addPerson(0, i, -1, -1));
    for (int g = 1; doc.NodeTable.NodeCount() < count; ++g) {
        // Couples are neighbours: a man at an even column, a woman after him.
        std::vector<int> next;
        const int most = generation.size() < kWidestGeneration ? 4 : 3;
        for (std::size_t c = 0; c + 1 < generation.size(); c += 2) {
            const int children = pick(1, most);
            for (int k = 0; k < children && doc.NodeTable.NodeCount() < count; ++k)
                next.push_back(addPerson(g, int(next.size()), generation[c + 1], generation[c]));
        }
        generation = std::move(next);
    }
    doc.MeasureAllNames();
}

}  // namespace kinvarro::bench
