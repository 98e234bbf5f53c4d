#include "persistence/gedcom_families.h"

#include <unordered_map>

namespace kinvarro {

std::string FamilyKey(int father, int mother) {
    if (father == -1 && mother == -1)
        return {};
    std::string key = father == -1 ? std::string() : std::to_string(father);
    key += '_';
    if (mother != -1)
        key += std::to_string(mother);
    return key;
}

GedcomFamilies::GedcomFamilies(const ElementTable &table) {
    const int count = table.NodeCount();
    familyOf_.assign(std::size_t(count), -1);
    std::unordered_map<std::uint64_t, int> familyOfPair;
    childStart_.assign(std::size_t(count) + 1, 0);
    auto isElement = [count](int index) { return index >= 0 && index < count; };
    // Only persons have records: families of persons only, so that no line
    // points to a record that does not exist.
    auto personOrNone = [&](int index) {
        return isElement(index) && table[index].isPerson() ? index : -1;
    };
    auto fatherOf = [&](int c) {
        return table[c].isPerson() ? personOrNone(table[c].fatherIndex) : -1;
    };
    auto motherOf = [&](int c) {
        return table[c].isPerson() ? personOrNone(table[c].motherIndex) : -1;
    };

    for (int c = 0; c < count; ++c) {
        const int father = fatherOf(c);
        const int mother = motherOf(c);
        if (isElement(father))
            ++childStart_[std::size_t(father) + 1];
        if (isElement(mother) && mother != father)
            ++childStart_[std::size_t(mother) + 1];
        if (father == -1 && mother == -1)
            continue;
        const std::uint64_t pair =
            (std::uint64_t(std::uint32_t(father)) << 32) | std::uint32_t(mother);
        auto [it, added] = familyOfPair.try_emplace(pair, int(families_.size()));
        if (added)
            families_.push_back(Family{father, mother, FamilyKey(father, mother), {}});
        families_[std::size_t(it->second)].children.push_back(c);
        familyOf_[std::size_t(c)] = it->second;
    }

    for (int i = 0; i < count; ++i)
        childStart_[std::size_t(i) + 1] += childStart_[std::size_t(i)];
    childList_.resize(std::size_t(childStart_[std::size_t(count)]));
    std::vector<int> next(childStart_.begin(), childStart_.end() - 1);
    for (int c = 0; c < count; ++c) {
        const int father = fatherOf(c);
        const int mother = motherOf(c);
        if (isElement(father))
            childList_[std::size_t(next[std::size_t(father)]++)] = c;
        if (isElement(mother) && mother != father)
            childList_[std::size_t(next[std::size_t(mother)]++)] = c;
    }
}

}  // namespace kinvarro
