#pragma once

#include <QString>

class QFileDevice;
class QSaveFile;

namespace kinvarro {

class MessageTable;

/// Clears the system's last error before a file is written, so that a failure
/// reads the cause of that write and not of an earlier call.
void ClearSystemCause();

/// The system's reason `error` (an errno value) in the interface language where
/// the language files have it, otherwise in the system's own words; empty for 0.
QString SystemCauseText(const MessageTable &messages, int error);

/// Writes out what `file` still buffers, then puts it in place. QSaveFile's own
/// commit lets a failed last write pass unnoticed: on a full disk an empty file
/// replaced the old one.
bool CommitSave(QSaveFile &file);

/// Why writing `file` failed, read at once after the failure: the system's
/// reason, or the file's own error text when the system gave none.
QString WriteCause(const MessageTable &messages, const QFileDevice &file);
/// The same with the system's reason `error` read earlier.
QString WriteCause(const MessageTable &messages, const QFileDevice &file, int error);

}  // namespace kinvarro
