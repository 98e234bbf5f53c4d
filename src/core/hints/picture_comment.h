#pragma once

#include <QString>

namespace kinvarro {

/// The comment of the picture at `picturePath` for the picture hint's
/// tooltip: the lines of the comment file beside it (the path followed by
/// ".txt") joined with line breaks, cut after a few thousand characters.
/// Empty for an empty path or when there is no readable comment file.
QString PictureComment(const QString &picturePath);

}  // namespace kinvarro
