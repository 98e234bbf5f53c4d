#include "render_commands.h"

#include <QRegularExpression>
#include <QSaveFile>

#include "model/document.h"
#include "render/diagram_export.h"
#include "render/full_size_chart.h"
#include "render/scene.h"
#include "render/scroll_bars.h"
#include "render/vector_export.h"
#include "settings/write_cause.h"

namespace kinvarro {
namespace {

// A view larger than this would take more memory than any screen needs.
constexpr int kLargestView = 8192;

bool parseSize(const QString &text, QSize &size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return size.width() >= 1 && size.height() >= 1 && size.width() <= kLargestView &&
           size.height() <= kLargestView;
}

bool parsePoint(const QString &text, QPoint &point) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return false;
    bool xOk = false;
    bool yOk = false;
    point = QPoint(parts[0].toInt(&xOk), parts[1].toInt(&yOk));
    return xOk && yOk;
}

}  // namespace

Status parseRenderOptions(const QStringList &args, bool withOrigin, RenderOptions &options) {
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const QString &name = args[i];
        const bool known =
            name == QLatin1String("--view") || (withOrigin && name == QLatin1String("--origin"));
        if (!known)
            return Status::failure(QStringLiteral("Unknown option \"%1\".").arg(name));
        if (i + 1 >= args.size())
            return Status::failure(QStringLiteral("Option %1 needs a value.").arg(name));
        const QString &value = args[i + 1];
        if (name == QLatin1String("--view") && !parseSize(value, options.view))
            return Status::failure(
                QStringLiteral("--view takes WIDTHxHEIGHT, each 1 to %1 pixels, not \"%2\".")
                    .arg(kLargestView)
                    .arg(value));
        if (name == QLatin1String("--origin") && !parsePoint(value, options.origin))
            return Status::failure(
                QStringLiteral("--origin takes X,Y in whole pixels, not \"%1\".").arg(value));
    }
    return Status::success();
}

Status convertToPicture(Document &doc, const QString &out, PictureType type,
                        const RenderOptions &options, ProgressDisplay *progress) {
    if (type == PictureType::Bmp) {
        ScrollBars bars;
        UpdateScrollBars(doc, options.view, bars);
        return ExportDiagram(doc, doc.view, options.view, bars, {}, out, progress);
    }
    // The newer pictures are at 100 %, as the editor's export menu writes them.
    FullSizeChart chart(doc, options.view);
    if (type == PictureType::Png)
        return ExportDiagram(chart.doc, chart.doc.view, options.view, chart.bars, {}, out, progress,
                             DiagramFormat::Png);
    return ExportVector(chart.doc, chart.doc.view, options.view, chart.bars, out,
                        type == PictureType::Pdf ? VectorFormat::Pdf : VectorFormat::Svg, progress);
}

Status renderScene(Document &doc, const QString &out, const RenderOptions &options) {
    doc.view.ViewOriginX = options.origin.x();
    doc.view.ViewOriginY = options.origin.y();
    ChartCanvas canvas(options.view);
    PaintScene(canvas, doc);
    // Through a temporary file renamed over the target: a failed write keeps the old picture.
    ClearSystemCause();
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !canvas.image().save(&file, "PNG") || !CommitSave(file))
        return Status::failure(FileProblemText(doc.messages(), Msg::mCannotWrite, out,
                                               WriteCause(doc.messages(), file)));
    return Status::success();
}

}  // namespace kinvarro
