#include "persistence/report_order.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/element_table.h"
#include "prompts/progress_display.h"
#include "text/cp1251_upper.h"
#include "text/doc_text.h"

namespace kinvarro {

ReportOrder SortPersonsByName(const ElementTable &table, ProgressDisplay *progress,
                              const QString &caption) {
    const int count = table.NodeCount();
    if (progress)
        progress->show(caption, 0, count);

    // Distinct names by their case folding, which holds for every script;
    // the first spelling met stands for each.
    std::unordered_map<std::string, int> nameOfKey;
    std::vector<std::string> keys;
    std::vector<QString> folded;
    std::vector<int> spelledBy;
    std::vector<int> nameOfElement(std::size_t(count), 0);
    // Names repeat in large charts: each spelling is folded once.
    std::unordered_map<std::string_view, int> nameOfSpelling;
    for (int i = 0; i < count; ++i) {
        if (progress)
            progress->setPosition(i);
        const auto [spelling, isNew] = nameOfSpelling.try_emplace(table[i].name, 0);
        if (!isNew) {
            nameOfElement[std::size_t(i)] = spelling->second;
            continue;
        }
        QString fold = fromDocText(table[i].name).toCaseFolded();
        std::string key = toDocText(fold);
        const auto [found, added] = nameOfKey.try_emplace(std::move(key), int(keys.size()));
        if (added) {
            keys.push_back(found->first);
            folded.push_back(std::move(fold));
            spelledBy.push_back(i);
        }
        nameOfElement[std::size_t(i)] = spelling->second = found->second;
    }

    // The user's collation without regard to case; names it finds equal keep
    // a fixed order: by their Windows-1251 upper case (the order charts of
    // that code page always had), then by their folded text. The names are
    // case-folded first, as some locales ("C") compare by code point and
    // would ignore the setting.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> sortKeys;
    std::vector<std::string> upperKeys;
    sortKeys.reserve(keys.size());
    upperKeys.reserve(keys.size());
    for (std::size_t n = 0; n < keys.size(); ++n) {
        sortKeys.push_back(collator.sortKey(folded[n]));
        upperKeys.push_back(UpperCp1251(docTextToCp1251(table[spelledBy[n]].name)));
    }
    std::vector<int> sorted(keys.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        const int order = sortKeys[std::size_t(a)].compare(sortKeys[std::size_t(b)]);
        if (order != 0)
            return order < 0;
        const std::string &upperA = upperKeys[std::size_t(a)], &upperB = upperKeys[std::size_t(b)];
        return upperA != upperB ? upperA < upperB : keys[std::size_t(a)] < keys[std::size_t(b)];
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
