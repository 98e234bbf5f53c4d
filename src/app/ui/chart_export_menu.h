#pragma once

#include <QObject>

#include "render/export_commands.h"
#include "render/print_layout.h"

class QPrinter;

namespace kinvarro {

class TForm1;
class TfPrint;

/// The "Экспорт" submenu and "Печать.." of the "Файл" menu: PDF, SVG and PNG
/// of the whole chart, and printing through the print preview.
class ChartExportMenu : public QObject {
    Q_OBJECT
  public:
    ChartExportMenu(TForm1 &form, Prompts &prompts);

    TfPrint &printWindow() { return *printWindow_; }
    /// "Печать..": the options, then the preview, which prints.
    void NPrintClick();

  private:
    Status exportChart(const QString &path, ChartFileType type);
    void paintPages(QPrinter &printer, const PrintOptions &options);

    TForm1 &form_;
    Prompts &prompts_;
    ChartExportCommands commands_;
    TfPrint *printWindow_;
};

}  // namespace kinvarro
