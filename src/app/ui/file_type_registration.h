#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kinvarro {

/// What a registration of the ".kvr" file type did to the desktop's files.
struct FileTypeRegistration {
    bool complete = false;      ///< both files are in place with the current content
    bool mimeWritten = false;   ///< the MIME type file was (re)written just now
    bool entryWritten = false;  ///< the .desktop entry was (re)written just now
};

/// Registers ".kvr" documents with the desktop (a MIME type and a .desktop
/// entry that opens them with `program`) under the XDG data directory `data`.
/// A file that already holds the same content is left alone.
FileTypeRegistration RegisterFileType(const QString &program, const QString &data);

/// One program to run with its arguments.
struct DesktopToolRun {
    QString program;
    QStringList arguments;
};

/// The desktop database refreshes a registration needs: update-mime-database
/// on the MIME folder after a new MIME file, update-desktop-database on the
/// applications folder after a new entry, each only when `findTool` finds it.
std::vector<DesktopToolRun> DesktopDatabaseRefreshes(
    const FileTypeRegistration &registration, const QString &data,
    const std::function<QString(const QString &)> &findTool);

/// Registers the file type in the user's data folder and, without waiting,
/// refreshes the desktop databases it changed, so the association works at
/// once. Failures are ignored.
void RegisterFileTypeWithDesktop(const QString &program);

}  // namespace kinvarro
