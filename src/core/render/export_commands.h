#pragma once

#include <QString>
#include <functional>

#include "common/status.h"
#include "prompts/prompts.h"

namespace kinvarro {

class DocumentSession;

/// The picture files the "Экспорт" menu writes.
enum class ChartFileType { Pdf, Svg, Png };

/// The export items of the "Файл" menu: ask where to write the chart and
/// hand it to the exporter. Exporting neither renames the document nor
/// touches its modified flag.
class ChartExportCommands {
  public:
    /// Writes the chart to the path as the type; the editor paints with its
    /// chart area and progress window.
    using Exporter = std::function<Status(const QString &path, ChartFileType type)>;

    ChartExportCommands(DocumentSession &session, Prompts &prompts, Exporter exporter);

    /// Shows the save dialog for the type, then exports; a missing
    /// extension is added, errors are reported in a message box.
    void exportChart(ChartFileType type);

  private:
    DocumentSession &session_;
    Prompts &prompts_;
    Exporter exporter_;
};

/// The file-dialog filter of a type, "text|pattern".
QString ExportFilter(ChartFileType type);
/// `path` with the type's extension unless it already ends with it.
QString WithExportExtension(const QString &path, ChartFileType type);

}  // namespace kinvarro
