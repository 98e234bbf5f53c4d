#include "persistence/report_order.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>

#include "model/element_table.h"
#include "prompts/progress_display.h"
#include "text/cp1251.h"
#include "text/cp1251_upper.h"

namespace kinvarro {

ReportOrder SortPersonsByName(const ElementTable &table, ProgressDisplay *progress,
                              const QString &caption) {
    const int count = table.NodeCount();
    if (progress)
        progress->show(caption, 0, count);

    // Distinct names by their upper case; the first spelling met stands for each.
    std::unordered_map<std::string, int> nameOfKey;
    std::vector<std::string> keys;
    std::vector<int> spelledBy;
    std::vector<int> nameOfElement(std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        if (progress)
            progress->setPosition(i);
        std::string key = UpperCp1251(table[i].name);
        const auto [found, added] = nameOfKey.try_emplace(key, int(keys.size()));
        if (added) {
            keys.push_back(std::move(key));
            spelledBy.push_back(i);
        }
        nameOfElement[std::size_t(i)] = found->second;
    }

    // The user's collation without regard to case; names it finds equal keep
    // a fixed order by their upper-case bytes. The names are case-folded first,
    // as some locales ("C") compare by code point and would ignore the setting.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(keys.size());
    for (const int i : spelledBy)
        sortKeys.push_back(collator.sortKey(fromCp1251(table[i].name).toCaseFolded()));
    std::vector<int> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        const int order = sortKeys[std::size_t(a)].compare(sortKeys[std::size_t(b)]);
        return order != 0 ? order < 0 : keys[std::size_t(a)] < keys[std::size_t(b)];
    });
    std::vector<int> rank(keys.size());
    for (std::size_t r = 0; r < sorted.size(); ++r)
        rank[std::size_t(sorted[r])] = int(r);

    // Persons bucketed by the rank of their name; buckets keep table order.
    std::vector<int> bucketStart(keys.size() + 1, 0);
    for (int i = 0; i < count; ++i) {
        if (table[i].isPerson())
            ++bucketStart[std::size_t(rank[std::size_t(nameOfElement[std::size_t(i)])]) + 1];
    }
    std::partial_sum(bucketStart.begin(), bucketStart.end(), bucketStart.begin());
    ReportOrder order;
    order.nameCount = int(keys.size());
    order.persons.resize(std::size_t(bucketStart.back()));
    order.nameOfBlock.resize(order.persons.size());
    std::vector<int> next(bucketStart.begin(), bucketStart.end() - 1);
    for (int i = 0; i < count; ++i) {
        if (!table[i].isPerson())
            continue;
        const int r = rank[std::size_t(nameOfElement[std::size_t(i)])];
        const auto slot = std::size_t(next[std::size_t(r)]++);
        order.persons[slot] = i;
        order.nameOfBlock[slot] = r;
    }
    return order;
}

std::vector<std::vector<int>> ChildrenOfEach(const ElementTable &table) {
    std::vector<std::vector<int>> children(std::size_t(table.NodeCount()));
    for (int j = 0; j < table.NodeCount(); ++j) {
        const int father = table[j].fatherIndex;
        const int mother = table[j].motherIndex;
        if (table.isValidIndex(father))
            children[std::size_t(father)].push_back(j);
        if (table.isValidIndex(mother) && mother != father)
            children[std::size_t(mother)].push_back(j);
    }
    return children;
}

}  // namespace kinvarro
