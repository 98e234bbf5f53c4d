#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "persistence/chart_lock.h"

using namespace kinvarro;

namespace {

void writeLock(const QString &path, const QByteArray &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

qint64 finishedProcessId() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForFinished();
    return process.processId() > 0 ? process.processId() : 0;
}

QByteArray lockText(qint64 pid, const QString &host) {
    return QByteArray::number(pid) + '\n' + host.toUtf8() + "\nsomeone\n";
}

TEST(ChartLock, IsTakenRefusedOrTakenOver) {
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("family.kvr"));
    const QString lockPath = ChartLock::lockPathFor(chart);
    EXPECT_EQ(lockPath, dir.filePath(QStringLiteral(".~lock.family.kvr#")));
    const QString host = QSysInfo::machineHostName();
    // The test runner's parent runs as long as the test does.
    const qint64 live = qint64(getppid());
    // A finished child's id runs no process; an id beyond any the system gives neither.
    const qint64 dead = finishedProcessId();
    struct Case {
        const char *what;
        QByteArray existing;  ///< empty: no lock file
        bool refused;
    };
    const Case cases[] = {
        {"no lock", {}, false},
        {"a live process here", lockText(live, host), true},
        {"a process on another host", lockText(live, host + QStringLiteral("-other")), true},
        {"a dead process here", lockText(dead > 0 ? dead : 0x7ffffff0, host), false},
        {"a process id no system gives", lockText(0x7ffffff0, host), false},
        {"this process", lockText(QCoreApplication::applicationPid(), host), false},
        {"an unreadable lock", QByteArray("garbage"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(lockPath);
        if (!c.existing.isEmpty())
            writeLock(lockPath, c.existing);
        ChartLock lock;
        const std::optional<LockHolder> holder = lock.acquire(chart);
        EXPECT_EQ(holder.has_value(), c.refused);
        EXPECT_EQ(lock.held(), !c.refused);
        const std::optional<LockHolder> written = ChartLock::readHolder(lockPath);
        ASSERT_TRUE(written.has_value());
        if (c.refused) {
            EXPECT_EQ(holder->pid, live);
            lock.release();
            EXPECT_TRUE(QFile::exists(lockPath)) << "another's lock stays";
        } else {
            EXPECT_EQ(written->pid, QCoreApplication::applicationPid());
            EXPECT_EQ(written->host, host);
            lock.release();
            EXPECT_FALSE(QFile::exists(lockPath));
        }
    }
}

TEST(ChartLock, ReleasesOnlyWhatIsStillItsOwn) {
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("family.kvr"));
    ChartLock first;
    ASSERT_FALSE(first.acquire(chart).has_value());
    // The same process opens the chart again: the new lock takes over, and letting
    // the old one go leaves the new one in place.
    ChartLock second;
    ASSERT_FALSE(second.acquire(chart).has_value());
    first.release();
    EXPECT_TRUE(QFile::exists(ChartLock::lockPathFor(chart)));
    {
        ChartLock moved = std::move(second);
        EXPECT_FALSE(second.held());
    }
    EXPECT_FALSE(QFile::exists(ChartLock::lockPathFor(chart)));
    // A folder that takes no file leaves the chart unlocked, not refused.
    ChartLock nowhere;
    EXPECT_FALSE(nowhere.acquire(dir.filePath(QStringLiteral("gone/family.kvr"))).has_value());
    EXPECT_FALSE(nowhere.held());
}

}  // namespace
