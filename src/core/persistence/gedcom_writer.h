#pragma once

#include <QByteArray>
#include <QString>

#include "common/status.h"

namespace kinvarro {

class Document;
class MessageTable;
class ProgressDisplay;

/// How a GEDCOM file stores its text.
enum class GedcomEncoding {
    /// Windows-1251 bytes under "1 CHAR ANSI", GEDCOM 5.5; a character the
    /// code page lacks is written as the nearest letters or "?".
    Ansi,
    /// The same records in UTF-8 with a byte-order mark, GEDCOM 5.5.1.
    Utf8,
};

/// The GEDCOM file for `doc`: header (named after `path`'s file name without
/// its extension), document note, one INDI record per person, one FAM record
/// per parent pair, trailer. Trailing empty lines of the information text are
/// left out. `progress` shows the caption and a gauge over the elements.
/// `replaced`, when given, receives how many characters of the text the file's
/// encoding lacks (none for UTF-8): they are written as the nearest letters
/// (é as e, ß as ss) or "?".
QByteArray GedcomFileImage(const Document &doc, const QString &path, GedcomEncoding encoding,
                           ProgressDisplay *progress = nullptr, long long *replaced = nullptr);

/// Writes the GEDCOM file of `doc` to `path` through a temporary file renamed
/// over the target, so a failure leaves the previous file as it was.
Status WriteGedcom(const Document &doc, const QString &path, GedcomEncoding encoding,
                   ProgressDisplay *progress = nullptr, long long *replaced = nullptr);

/// The warning after an export that replaced characters; empty when none was.
QString GedcomExportWarning(const MessageTable &messages, long long replaced);

}  // namespace kinvarro
