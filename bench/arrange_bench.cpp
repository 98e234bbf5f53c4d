// Arranging a 10000-person tree by generations, against the import placement
// of the same tree measured in the same run.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "arrange/generation_layout.h"
#include "persistence/gedcom_placement.h"

using namespace kinvarro;

namespace {

// Children of random couples; every other child marries a person from outside.
std::vector<LayoutBox> RandomTree(int count) {
    std::mt19937 random(7);
    std::vector<LayoutBox> boxes{{-1, -1, 90, 30}, {-1, -1, 90, 30}};
    std::vector<std::pair<int, int>> couples{{0, 1}};
    while (static_cast<int>(boxes.size()) < count) {
        const auto [f, m] = couples[random() % couples.size()];
        const int child = static_cast<int>(boxes.size());
        boxes.push_back({f, m, 60 + static_cast<std::int64_t>(random() % 80), 30});
        if (random() % 2 == 0) {
            boxes.push_back({-1, -1, 60 + static_cast<std::int64_t>(random() % 80), 30});
            couples.push_back({child, child + 1});
        }
    }
    return boxes;
}

template <class Work>
double Milliseconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main() {
    const std::vector<LayoutBox> boxes = RandomTree(10000);
    std::vector<PlacementElement> elements;
    for (const LayoutBox &box : boxes)
        elements.push_back({box.father, box.mother, box.width});
    std::size_t sink = 0;
    const double placement = Milliseconds([&] { sink += PlaceGenerations(elements).x.size(); });
    const double arranged =
        Milliseconds([&] { sink += ArrangeGenerations(boxes, LayoutGaps{}).x.size(); });
    std::printf("persons %zu: import placement %.1f ms, arrange %.1f ms, ratio %.2f (%zu)\n",
                boxes.size(), placement, arranged, arranged / placement, sink);
    return 0;
}
