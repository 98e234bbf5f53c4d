#pragma once

#include <QString>

namespace kinvarro {

/// Registers ".kvr" documents with the desktop (a MIME type and a .desktop
/// entry that opens them with `program`) under the XDG data directory.
/// Returns whether every file was written; callers ignore failures.
bool RegisterFileType(const QString &program);

}  // namespace kinvarro
