#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "common/status.h"

namespace kinvarro {

class Document;

/// Options of the render and convert-to-bitmap commands.
struct RenderOptions {
    /// The chart area painted at once: the PNG's size, the BMP's tile size.
    QSize view{800, 600};
    /// The view origin of the painted scene, in pixels.
    QPoint origin;
};

/// Reads "--view WxH" and, when `withOrigin`, "--origin X,Y" from `args`.
Status parseRenderOptions(const QStringList &args, bool withOrigin, RenderOptions &options);

/// Writes the whole chart of `doc` to `out` as a BMP diagram painted in
/// tiles of the view's size.
Status convertToBitmap(Document &doc, const QString &out, const RenderOptions &options);

/// Paints the scene the view shows at the options' origin into a PNG file.
Status renderScene(Document &doc, const QString &out, const RenderOptions &options);

}  // namespace kinvarro
