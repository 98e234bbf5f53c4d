#include "persistence/autosave_files.h"

#include <signal.h>
#include <sys/types.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>

#include "settings/write_cause.h"

namespace kinvarro {
namespace {

const QString kInfoSuffix = QStringLiteral(".info");

QString pathHash(const QString &path) {
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

// Keeps letters and digits of any script; everything else a file system or a
// shell could mind becomes "_".
QString safeName(const QString &name) {
    QString safe;
    for (const QChar c : name.left(60))
        safe += c.isLetterOrNumber() ? c : QChar(u'_');
    return safe.isEmpty() ? QStringLiteral("chart") : safe;
}

Status saveBytes(const QString &path, const QByteArray &bytes, const MessageTable &messages) {
    ClearSystemCause();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !CommitSave(file))
        return Status::failure(path + QStringLiteral(": ") + WriteCause(messages, file));
    return Status::success();
}

}  // namespace

QString autosaveFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kinvarro/autosave");
}

QString autosaveFileFor(const QString &folder, const QString &originalPath, qint64 pid,
                        int serial) {
    if (originalPath.isEmpty())
        return folder + QStringLiteral("/untitled-%1-%2.kvr").arg(pid).arg(serial);
    const QString absolute = QFileInfo(originalPath).absoluteFilePath();
    // The process is part of the name: a copy that an ended process left, and
    // the user put off, is never written over by a later run's edits.
    return folder + QLatin1Char('/') + safeName(QFileInfo(absolute).completeBaseName()) +
           QLatin1Char('-') + pathHash(absolute) + QStringLiteral("-%1.kvr").arg(pid);
}

QString autosaveInfoFile(const QString &autosaveFile) {
    return autosaveFile + kInfoSuffix;
}

Status writeAutosave(const AutosaveEntry &entry, const QByteArray &chart,
                     const MessageTable &messages) {
    QDir().mkpath(QFileInfo(entry.file).absolutePath());
    if (Status st = saveBytes(entry.file, chart, messages); !st)
        return st;
    // The description is plain "key=value" lines, so that a user can read it.
    QByteArray info;
    info += "Path=" + entry.originalPath.toUtf8() + '\n';
    info += "Pid=" + QByteArray::number(entry.pid) + '\n';
    info += "Host=" + entry.host.toUtf8() + '\n';
    info += "Time=" + entry.time.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    info += "Changes=" + QByteArray::number(entry.changes) + '\n';
    return saveBytes(autosaveInfoFile(entry.file), info, messages);
}

void removeAutosave(const QString &autosaveFile) {
    QFile::remove(autosaveInfoFile(autosaveFile));
    QFile::remove(autosaveFile);
}

bool processRunning(qint64 pid) {
    // An id the system's type cannot hold would name another process once cut.
    if (pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

std::vector<AutosaveEntry> leftoverAutosaves(const QString &folder,
                                             const std::function<bool(qint64)> &running) {
    std::vector<AutosaveEntry> found;
    const QString host = QSysInfo::machineHostName();
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.kvr.info")}, QDir::Files)) {
        QFile info(dir.filePath(name));
        // A description is a few short lines; anything larger is no description of ours.
        if (info.size() > 64 * 1024 || !info.open(QIODevice::ReadOnly))
            continue;
        AutosaveEntry entry;
        entry.file = dir.filePath(name.chopped(kInfoSuffix.size()));
        if (!QFileInfo(entry.file).isFile())
            continue;
        for (const QByteArray &line : info.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq < 0)
                continue;
            const QByteArray key = line.left(eq);
            const QString value = QString::fromUtf8(line.mid(eq + 1));
            if (key == "Path")
                entry.originalPath = value;
            else if (key == "Pid")
                entry.pid = value.toLongLong();
            else if (key == "Host")
                entry.host = value;
            else if (key == "Time")
                entry.time = QDateTime::fromString(value, Qt::ISODate);
            else if (key == "Changes")
                entry.changes = std::max(0, value.toInt());
        }
        // A copy another machine's process writes (a shared home) is that machine's to offer.
        if (entry.host != host || running(entry.pid))
            continue;
        if (!entry.time.isValid())
            entry.time = QFileInfo(entry.file).lastModified();
        found.push_back(std::move(entry));
    }
    std::sort(found.begin(), found.end(),
              [](const AutosaveEntry &a, const AutosaveEntry &b) { return a.time > b.time; });
    return found;
}

}  // namespace kinvarro
