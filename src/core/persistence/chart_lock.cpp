#include "persistence/chart_lock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>

#include "persistence/autosave_files.h"

namespace kinvarro {
namespace {

// A lock file is three short lines; anything longer is not one of ours.
constexpr qint64 kLargestLockFile = 512;

struct LockContent {
    LockHolder holder;
    QString token;
};

std::optional<LockContent> readContent(const QString &lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestLockFile)
        return std::nullopt;
    const QList<QByteArray> lines = file.read(kLargestLockFile).split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    bool ok = false;
    const qint64 pid = lines[0].trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return std::nullopt;
    return LockContent{{pid, QString::fromUtf8(lines[1].trimmed())},
                       QString::fromLatin1(lines[2].trimmed())};
}

bool writeNew(const QString &lockPath, const QString &token) {
    QFile file(lockPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                            QSysInfo::machineHostName().toUtf8() + '\n' + token.toLatin1() + '\n';
    if (file.write(text) == text.size() && file.flush())
        return true;
    file.close();
    file.remove();
    return false;
}

}  // namespace

ChartLock::~ChartLock() {
    release();
}

ChartLock::ChartLock(ChartLock &&other) noexcept
    : path_(std::move(other.path_)), token_(std::move(other.token_)) {
    other.path_.clear();
}

ChartLock &ChartLock::operator=(ChartLock &&other) noexcept {
    if (this != &other) {
        release();
        path_ = std::move(other.path_);
        token_ = std::move(other.token_);
        other.path_.clear();
    }
    return *this;
}

QString ChartLock::lockPathFor(const QString &chartPath) {
    const QFileInfo chart(chartPath);
    return chart.absolutePath() + QStringLiteral("/.~lock.") + chart.fileName() + QLatin1Char('#');
}

std::optional<LockHolder> ChartLock::readHolder(const QString &lockPath) {
    if (std::optional<LockContent> content = readContent(lockPath))
        return content->holder;
    return std::nullopt;
}

std::optional<LockHolder> ChartLock::acquire(const QString &chartPath) {
    release();
    const QString lockPath = lockPathFor(chartPath);
    const QString token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // Twice at most: a stale lock is removed and the file made anew, so that of
    // two windows taking over at once only one gets it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (writeNew(lockPath, token)) {
            path_ = lockPath;
            token_ = token;
            return std::nullopt;
        }
        if (!QFileInfo::exists(lockPath))
            return std::nullopt;  // the folder takes no lock
        const std::optional<LockContent> content = readContent(lockPath);
        if (content) {
            const LockHolder &holder = content->holder;
            const bool ours = holder.pid == QCoreApplication::applicationPid();
            const bool sameHost = holder.host == QSysInfo::machineHostName();
            if (!sameHost || (!ours && processRunning(holder.pid)))
                return holder;
        }
        // A lock of this process, of a dead one, or unreadable: taken over.
        QFile::remove(lockPath);
    }
    return std::nullopt;
}

void ChartLock::release() {
    if (path_.isEmpty())
        return;
    const std::optional<LockContent> content = readContent(path_);
    if (content && content->token == token_)
        QFile::remove(path_);
    path_.clear();
    token_.clear();
}

}  // namespace kinvarro
