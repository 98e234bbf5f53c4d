#pragma once

#include <QString>

#include "common/status.h"
#include "model/document_settings.h"
#include "settings/message_table.h"

namespace kinvarro {

/// The section that holds every key of a theme file.
inline constexpr char kThemeSection[] = "General";

/// The background picture of theme `themePath`: the theme's file name followed by ".bmp".
QString ThemePicturePath(const QString &themePath);

/// The settings `current` would have after applying the theme file at `themePath`:
/// everything a theme carries comes from the file (a missing key or a value that is
/// not usable gives the reset value), the scale and everything else stay. The
/// background picture is read only when the theme shows one; otherwise the current
/// picture stays. Fails, with a message from `messages`, when the theme file or the
/// picture it needs cannot be read; nothing is read half.
Status ReadTheme(const QString &themePath, const DocumentSettings &current,
                 const MessageTable &messages, DocumentSettings &themed);

/// Writes the theme file `themePath` named `name` from `settings`, and the background
/// picture beside it as BMP. A chart without a picture gives a theme without one.
Status WriteTheme(const QString &themePath, const QString &name, const DocumentSettings &settings,
                  const MessageTable &messages);

}  // namespace kinvarro
