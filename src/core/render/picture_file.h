#pragma once

#include <QImage>
#include <QString>

#include "render/wmf_picture.h"

namespace kinvarro {

/// Reads a picture file for showing: Windows metafiles through the metafile
/// renderer, at most `metafileSide` pixels on the longer side, everything else
/// through Qt's image readers. A null image when the file cannot be read or drawn.
QImage ReadPictureFile(const QString &path, int metafileSide = kMetafileSide);

/// Whether ReadPictureFile reads files named so: Windows metafiles and every
/// format Qt's image plugins read on this system (PNG, JPEG, TIFF, WEBP, ...),
/// judged by the extension, any case.
bool IsPictureFileName(const QString &name);

}  // namespace kinvarro
