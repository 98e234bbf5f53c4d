#include "hints/element_statistics.h"

#include "model/element_table.h"

namespace kinvarro {

ElementStatistics CountElements(const ElementTable &table) {
    ElementStatistics counts;
    counts.total = table.NodeCount();
    for (int i = 0; i < table.NodeCount(); ++i) {
        const tnode &node = table[i];
        if (node.isPerson() && node.sex == kSexMan)
            ++counts.men;
        else if (node.isPerson() && node.sex == kSexWoman)
            ++counts.women;
        else
            ++counts.other;
    }
    return counts;
}

}  // namespace kinvarro
