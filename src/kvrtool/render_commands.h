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

class ProgressDisplay;

/// The picture files the whole chart converts to.
enum class PictureType { Bmp, Png, Pdf, Svg };

/// Writes the whole chart of `doc` to `out`: a BMP diagram at the document's
/// scale or a PNG at 100 %, painted in tiles of the view's size, or a PDF or
/// SVG of the PNG's area at 100 %.
Status convertToPicture(Document &doc, const QString &out, PictureType type,
                        const RenderOptions &options, ProgressDisplay *progress = nullptr);

/// Paints the scene the view shows at the options' origin into a PNG file.
Status renderScene(Document &doc, const QString &out, const RenderOptions &options);

}  // namespace kinvarro
