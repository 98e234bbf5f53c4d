#include "model/element_table.h"

#include <algorithm>

namespace kinvarro {

int ElementTable::append(tnode node) {
    nodes_.push_back(std::move(node));
    extents_.push_back({});
    selected_.push_back(0);
    return NodeCount() - 1;
}

void ElementTable::remove(int d) {
    selectedListValid_ = false;
    nodes_.erase(nodes_.begin() + d);
    extents_.erase(extents_.begin() + d);
    selected_.erase(selected_.begin() + d);
    auto renumber = [d](std::int32_t &link) {
        if (link == d) {
            link = -1;
        } else if (link > d) {
            --link;
        }
    };
    for (tnode &node : nodes_) {
        renumber(node.motherIndex);
        renumber(node.fatherIndex);
    }
}

int ElementTable::removeSelected() {
    selectedListValid_ = false;
    const int count = NodeCount();
    // Where each element ends up; -1 for the removed ones.
    std::vector<int> newIndex(std::size_t(count), -1);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (selected_[std::size_t(i)])
            continue;
        newIndex[std::size_t(i)] = kept;
        if (kept != i) {
            nodes_[std::size_t(kept)] = std::move(nodes_[std::size_t(i)]);
            extents_[std::size_t(kept)] = extents_[std::size_t(i)];
        }
        selected_[std::size_t(kept)] = 0;
        ++kept;
    }
    nodes_.resize(std::size_t(kept));
    extents_.resize(std::size_t(kept));
    selected_.resize(std::size_t(kept));
    const int removed = count - kept;
    // Removing one at a time leaves negative links alone and moves links past
    // the end down once per removal.
    auto renumber = [&](std::int32_t &link) {
        if (link < 0)
            return;
        link = link < count ? newIndex[std::size_t(link)] : link - removed;
    };
    for (tnode &node : nodes_) {
        renumber(node.motherIndex);
        renumber(node.fatherIndex);
    }
    return removed;
}

const std::vector<int> &ElementTable::selectedIndexes() const {
    if (!selectedListValid_) {
        selectedList_.clear();
        for (int i = 0; i < NodeCount(); ++i) {
            if (selected_[std::size_t(i)])
                selectedList_.push_back(i);
        }
        selectedListValid_ = true;
    }
    return selectedList_;
}

void ElementTable::moveToEnd(int a) {
    selectedListValid_ = false;
    const int last = NodeCount() - 1;
    std::rotate(nodes_.begin() + a, nodes_.begin() + a + 1, nodes_.end());
    std::rotate(extents_.begin() + a, extents_.begin() + a + 1, extents_.end());
    std::rotate(selected_.begin() + a, selected_.begin() + a + 1, selected_.end());
    auto renumber = [a, last](std::int32_t &link) {
        if (link == a) {
            link = last;
        } else if (link > a) {
            --link;
        }
    };
    for (tnode &node : nodes_) {
        renumber(node.motherIndex);
        renumber(node.fatherIndex);
    }
}

void ElementTable::moveFromEnd(int a) {
    selectedListValid_ = false;
    const int last = NodeCount() - 1;
    std::rotate(nodes_.begin() + a, nodes_.begin() + last, nodes_.end());
    std::rotate(extents_.begin() + a, extents_.begin() + last, extents_.end());
    std::rotate(selected_.begin() + a, selected_.begin() + last, selected_.end());
    auto renumber = [a, last](std::int32_t &link) {
        if (link == last) {
            link = a;
        } else if (link >= a && link < last) {
            ++link;
        }
    };
    for (tnode &node : nodes_) {
        renumber(node.motherIndex);
        renumber(node.fatherIndex);
    }
}

void ElementTable::restoreRemoved(const std::vector<Removed> &removed) {
    if (removed.empty())
        return;
    selectedListValid_ = false;
    const int kept = NodeCount();
    const int total = kept + int(removed.size());
    // Where each element that stayed goes back to.
    std::vector<int> oldIndex(static_cast<std::size_t>(kept));
    std::vector<tnode> nodes;
    std::vector<NameExtent> extents;
    std::vector<std::uint8_t> selected;
    nodes.reserve(std::size_t(total));
    extents.reserve(std::size_t(total));
    selected.reserve(std::size_t(total));
    std::size_t next = 0;
    int from = 0;
    for (int i = 0; i < total; ++i) {
        if (next < removed.size() && removed[next].index == i) {
            nodes.push_back(removed[next].node);
            extents.push_back(removed[next].extent);
            selected.push_back(0);
            ++next;
        } else {
            oldIndex[std::size_t(from)] = i;
            nodes.push_back(std::move(nodes_[std::size_t(from)]));
            extents.push_back(extents_[std::size_t(from)]);
            selected.push_back(selected_[std::size_t(from)]);
            ++from;
        }
    }
    auto renumber = [&](std::int32_t &link) {
        if (link >= 0 && link < kept)
            link = oldIndex[std::size_t(link)];
    };
    for (int i : oldIndex) {
        renumber(nodes[std::size_t(i)].motherIndex);
        renumber(nodes[std::size_t(i)].fatherIndex);
    }
    nodes_ = std::move(nodes);
    extents_ = std::move(extents);
    selected_ = std::move(selected);
}

void ElementTable::clear() {
    selectedListValid_ = false;
    nodes_.clear();
    extents_.clear();
    selected_.clear();
}

void ElementTable::clearSelection() {
    selectedListValid_ = false;
    std::fill(selected_.begin(), selected_.end(), 0);
}

void ElementTable::reserve(int count) {
    nodes_.reserve(std::size_t(count));
    extents_.reserve(std::size_t(count));
    selected_.reserve(std::size_t(count));
}

}  // namespace kinvarro
