#pragma once

#include <QImage>
#include <QString>

namespace kinvarro {

/// Reads a picture file for showing: Windows metafiles through the metafile
/// renderer, everything else through Qt's image readers. A null image when the
/// file cannot be read or drawn.
QImage ReadPictureFile(const QString &path);

}  // namespace kinvarro
