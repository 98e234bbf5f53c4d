#pragma once

#include <QString>

#include "common/status.h"

namespace kinvarro {

class Document;
class ProgressDisplay;

/// Writes the chart as one HTML page in Windows-1251 (a character the code
/// page lacks as a numeric character reference "&#x...;"): the information text on
/// top, then one table per person, ordered by name (names equal but for
/// letter case together, in table order), with links to the parents and the
/// children. Names and the text of descriptions are escaped. Trailing empty
/// lines of the information text are left out.
/// The file is replaced only when the whole page was written; the progress
/// display is hidden again in every case.
Status WriteHtmlReport(const Document &doc, const QString &path,
                       ProgressDisplay *progress = nullptr);

}  // namespace kinvarro
