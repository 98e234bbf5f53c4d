#pragma once

#include <QStringList>

namespace kinvarro {

/// The five most recently opened documents, most recent first; an empty entry is unused.
class RecentFiles {
  public:
    static constexpr int kSize = 5;
    /// Longest path kept from the store.
    static constexpr int kLongestPath = 512;

    RecentFiles();

    /// Takes the stored list (missing entries become empty, long ones are cut).
    void load(const QStringList &stored);
    /// Puts `path` first. Returns false when it already was first (nothing changes then).
    bool add(const QString &path);
    /// Takes `path` out; the entries after it move up. Returns whether it was there.
    bool remove(const QString &path);

    const QStringList &entries() const { return entries_; }
    bool anyVisible() const;

  private:
    QStringList entries_;
};

}  // namespace kinvarro
