#pragma once

#include <QString>

namespace kinvarro {

/// The help page to open from `folder`, the program's directory: the first
/// existing file of <language>.htm, <language>.html, kinvarro.htm and
/// kinvarro.html, or an empty string when there is none. Without a current
/// language only the common pages are looked for.
QString FindHelpPage(const QString &folder, const QString &language);

}  // namespace kinvarro
