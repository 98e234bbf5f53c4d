#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

#include "common/status.h"

namespace kinvarro {

class MessageTable;

/// One autosave copy: the chart image "<name>-<hash>-<pid>.kvr" and beside it
/// "<name>-<hash>-<pid>.kvr.info", which names the document it belongs to and the
/// process that wrote it.
struct AutosaveEntry {
    QString file;          ///< the autosaved chart
    QString originalPath;  ///< the document's own file; empty for a chart never saved
    qint64 pid = 0;
    QString host;
    QDateTime time;
    int changes = 0;  ///< edits not in the document's own file
};

/// "~/.local/share/Kinvarro/autosave" under the XDG data location in force now.
QString autosaveFolder();

/// The autosave file of a document in `folder`: the original file's base name,
/// a hash of its absolute path (two charts of one name never share a copy) and
/// the process; an unnamed chart is told apart by the process and `serial`.
QString autosaveFileFor(const QString &folder, const QString &originalPath, qint64 pid, int serial);

/// The description file kept beside an autosave file.
QString autosaveInfoFile(const QString &autosaveFile);

/// Writes the chart image and then its description, each through a temporary
/// file renamed over the target.
Status writeAutosave(const AutosaveEntry &entry, const QByteArray &chart,
                     const MessageTable &messages);

/// Removes an autosave file and its description; nothing when they are gone.
void removeAutosave(const QString &autosaveFile);

/// Whether process `pid` runs on this machine.
bool processRunning(qint64 pid);

/// The autosave files in `folder` whose writer, on this host, no longer runs
/// (`running` decides), newest first. Descriptions without their chart are skipped.
std::vector<AutosaveEntry> leftoverAutosaves(const QString &folder,
                                             const std::function<bool(qint64)> &running);

}  // namespace kinvarro
