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

void ElementTable::moveToEnd(int a) {
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

void ElementTable::clear() {
    nodes_.clear();
    extents_.clear();
    selected_.clear();
}

void ElementTable::clearSelection() {
    std::fill(selected_.begin(), selected_.end(), 0);
}

void ElementTable::reserve(int count) {
    nodes_.reserve(std::size_t(count));
    extents_.reserve(std::size_t(count));
    selected_.reserve(std::size_t(count));
}

}  // namespace kinvarro
