#pragma once

#include <QFile>
#include <QString>

namespace kinvarro {

/// Opens `path` for reading only when it is a regular file, without ever
/// waiting: a named pipe or a device named like a picture or a comment would
/// otherwise block open() or read() for ever. False for anything else.
bool OpenRegularFile(const QString &path, QFile &file);

}  // namespace kinvarro
