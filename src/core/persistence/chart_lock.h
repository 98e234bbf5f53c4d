#pragma once

#include <QString>
#include <optional>

namespace kinvarro {

/// The process that holds a chart open.
struct LockHolder {
    qint64 pid = 0;
    QString host;
};

/// The mark that one window has a chart open: a hidden file beside the chart,
/// ".~lock.<file name>#", holding the process id and the host name. Hidden and
/// ending in "#", it shows in no file list and matches no file type.
class ChartLock {
  public:
    ChartLock() = default;
    ~ChartLock();
    ChartLock(const ChartLock &) = delete;
    ChartLock &operator=(const ChartLock &) = delete;
    ChartLock(ChartLock &&other) noexcept;
    ChartLock &operator=(ChartLock &&other) noexcept;

    static QString lockPathFor(const QString &chartPath);

    /// Takes the lock of `chartPath`; a lock of a process that no longer runs on
    /// this host, or of this process, is taken over. Returns the other holder
    /// when a live process has it. A folder where no lock can be written leaves
    /// the chart unlocked: that is no reason to refuse it.
    std::optional<LockHolder> acquire(const QString &chartPath);
    /// Removes the lock file if it is still this lock's.
    void release();
    bool held() const { return !path_.isEmpty(); }

    /// The holder written in a lock file; nullopt when it is missing or unreadable.
    static std::optional<LockHolder> readHolder(const QString &lockPath);

  private:
    QString path_;
    QString token_;  ///< tells this lock from a later one of the same process
};

}  // namespace kinvarro
