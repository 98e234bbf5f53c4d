#include "render/export_commands.h"
#include "prompts/replace_question.h"

#include <QFileInfo>

#include "edit/document_session.h"
#include "settings/message_table.h"

namespace kinvarro {
namespace {

QString extensionOf(ChartFileType type) {
    switch (type) {
        case ChartFileType::Pdf:
            return QStringLiteral(".pdf");
        case ChartFileType::Svg:
            return QStringLiteral(".svg");
        case ChartFileType::Png:
            return QStringLiteral(".png");
    }
    return {};
}

}  // namespace

QString ExportFilter(ChartFileType type) {
    const QString extension = extensionOf(type);
    return extension.mid(1).toUpper() + QStringLiteral(" (*") + extension + QStringLiteral(")|*") +
           extension;
}

QString WithExportExtension(const QString &path, ChartFileType type) {
    const QString extension = extensionOf(type);
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

ChartExportCommands::ChartExportCommands(DocumentSession &session, Prompts &prompts,
                                         Exporter exporter)
    : session_(session), prompts_(prompts), exporter_(std::move(exporter)) {}

void ChartExportCommands::exportChart(ChartFileType type) {
    // The picture is offered under the document's name, in its folder.
    const QString document = session_.fileName();
    const QString suggested =
        document.isEmpty() ? QString() : QFileInfo(document).completeBaseName();
    const QString folder = document.isEmpty() ? QString() : QFileInfo(document).absolutePath();
    const auto choice = prompts_.chooseFileToSave(ExportFilter(type), folder, suggested, 1);
    if (!choice || choice->path.isEmpty())
        return;
    const QString file = WithExportExtension(choice->path, type);
    if (!confirmReplaceFile(prompts_, session_.messages(), file))
        return;
    if (Status st = exporter_(file, type); !st)
        prompts_.tell(MessageIcon::Error, session_.messages().text(Msg::mError), st.message());
}

}  // namespace kinvarro
