#pragma once

#include <QString>

namespace kinvarro {

/// `title` prepared for a window that marks unsaved changes: "[*]" after it,
/// where the window shows "*" while modified, and any "[*]" of the title
/// itself kept as text.
QString TitleWithModifiedMarker(const QString &title);

}  // namespace kinvarro
