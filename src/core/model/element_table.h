#pragma once

#include <cstdint>
#include <vector>

#include "model/tnode.h"

namespace kinvarro {

/// The chart's elements in painting order with their parallel arrays
/// (`nameExtent`, `selected`). Links between elements are table indexes, so
/// every operation that reorders the table renumbers them.
class ElementTable {
  public:
    int NodeCount() const { return int(nodes_.size()); }
    bool isFull() const { return NodeCount() >= kMaxNodes; }

    tnode &operator[](int i) { return nodes_[std::size_t(i)]; }
    const tnode &operator[](int i) const { return nodes_[std::size_t(i)]; }
    NameExtent &nameExtent(int i) { return extents_[std::size_t(i)]; }
    const NameExtent &nameExtent(int i) const { return extents_[std::size_t(i)]; }
    bool selected(int i) const { return selected_[std::size_t(i)] != 0; }
    void setSelected(int i, bool on) {
        selected_[std::size_t(i)] = on ? 1 : 0;
        selectedListValid_ = false;
    }
    /// Indexes of the selected elements in ascending order. Kept between
    /// changes, so that a drag step costs only as much as the selection.
    const std::vector<int> &selectedIndexes() const;

    /// Appends an element (not selected, empty extent); the caller checks isFull().
    int append(tnode node);
    /// Removes element d; links to d become -1, links above d move down by one.
    void remove(int d);
    /// Removes every selected element in one pass, with the same result as
    /// removing them one by one; returns how many were removed.
    int removeSelected();
    /// Moves element a to the last place and renumbers the links.
    void moveToEnd(int a);
    /// The reverse of moveToEnd(a): the last element goes back to place a.
    void moveFromEnd(int a);

    /// An element taken out of the table, with the place it had.
    struct Removed {
        int index = 0;
        tnode node;
        NameExtent extent;
    };
    /// Puts removed elements back at their places (ascending `index`), undoing
    /// removeSelected: links of the elements that stayed are renumbered back.
    /// Links that pointed at a removed element stay -1; the caller restores them.
    void restoreRemoved(const std::vector<Removed> &removed);
    /// Empties the table.
    void clear();
    void clearSelection();
    void reserve(int count);

    bool isValidIndex(int i) const { return i >= 0 && i < NodeCount(); }

  private:
    std::vector<tnode> nodes_;
    std::vector<NameExtent> extents_;
    std::vector<std::uint8_t> selected_;
    mutable std::vector<int> selectedList_;
    mutable bool selectedListValid_ = false;
};

}  // namespace kinvarro
