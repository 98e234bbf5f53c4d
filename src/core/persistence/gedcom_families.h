#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/element_table.h"

namespace kinvarro {

/// The families of a chart as GEDCOM records them: one per distinct parent
/// pair (father, mother) of an element, numbered in the order of their first
/// child, and every element's children, all found in one pass over the table.
/// Historical events take part in no family, as parents or as children.
class GedcomFamilies {
  public:
    explicit GedcomFamilies(const ElementTable &table);

    /// The family of element `element`'s parent pair; -1 when it has neither parent.
    int familyOf(int element) const { return familyOf_[std::size_t(element)]; }
    int familyCount() const { return int(families_.size()); }
    /// "f_m", "f_" or "_m": the family's identifier without the letter F.
    const std::string &key(int family) const { return families_[std::size_t(family)].key; }
    int father(int family) const { return families_[std::size_t(family)].father; }
    int mother(int family) const { return families_[std::size_t(family)].mother; }
    /// The elements with exactly this parent pair, ascending.
    const std::vector<int> &children(int family) const {
        return families_[std::size_t(family)].children;
    }

    /// The elements whose father or mother is `parent` (each once), ascending.
    std::span<const int> childrenOf(int parent) const {
        const int start = childStart_[std::size_t(parent)];
        return std::span<const int>(childList_)
            .subspan(std::size_t(start), std::size_t(childStart_[std::size_t(parent) + 1] - start));
    }

  private:
    struct Family {
        int father;
        int mother;
        std::string key;
        std::vector<int> children;
    };

    std::vector<int> familyOf_;
    std::vector<Family> families_;
    std::vector<int>
        childStart_;  // childList_ range of element i: childStart_[i] .. childStart_[i + 1]
    std::vector<int> childList_;
};

/// The family key of a parent pair, -1 meaning "none"; empty when both are -1.
std::string FamilyKey(int father, int mother);

}  // namespace kinvarro
