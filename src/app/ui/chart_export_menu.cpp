#include "ui/chart_export_menu.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "render/diagram_export.h"
#include "render/full_size_chart.h"
#include "render/print_chart.h"
#include "render/vector_export.h"
#include "ui/main_window.h"
#include "ui/print_dialog.h"
#include "ui/progress_window.h"

namespace kinvarro {

ChartExportMenu::ChartExportMenu(TForm1 &form, Prompts &prompts)
    : QObject(&form),
      form_(form),
      prompts_(prompts),
      commands_(
          form.session(), prompts,
          [this](const QString &path, ChartFileType type) { return exportChart(path, type); }),
      printWindow_(new TfPrint(&form)) {
    const std::pair<const char *, ChartFileType> items[] = {{"NExportPdf", ChartFileType::Pdf},
                                                            {"NExportSvg", ChartFileType::Svg},
                                                            {"NExportPng", ChartFileType::Png}};
    for (const auto &[name, type] : items) {
        if (QAction *item = form.menus().item(name))
            connect(item, &QAction::triggered, this, [this, type] { commands_.exportChart(type); });
    }
    if (QAction *item = form.menus().item("NPrint"))
        connect(item, &QAction::triggered, this, &ChartExportMenu::NPrintClick);
}

Status ChartExportMenu::exportChart(const QString &path, ChartFileType type) {
    // Pictures are at 100 % whatever the zoom on screen.
    FullSizeChart chart(form_.session().doc(), form_.chartAreaSize());
    TForm10 *progress = &form_.progressWindow();
    if (type == ChartFileType::Png)
        return ExportDiagram(chart.doc, chart.doc.view, form_.chartAreaSize(), chart.bars, {}, path,
                             progress, DiagramFormat::Png);
    return ExportVector(chart.doc, chart.doc.view, form_.chartAreaSize(), chart.bars, path,
                        type == ChartFileType::Pdf ? VectorFormat::Pdf : VectorFormat::Svg,
                        progress);
}

void ChartExportMenu::NPrintClick() {
    const std::optional<PrintOptions> options = printWindow_->askOptions();
    if (!options)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &form_);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &options](QPrinter *target) { paintPages(*target, *options); });
    preview.exec();
}

void ChartExportMenu::paintPages(QPrinter &printer, const PrintOptions &options) {
    // The poster's scale counts from the chart at 100 %, not from the zoom.
    FullSizeChart chart(form_.session().doc(), form_.chartAreaSize());
    if (Status st = PrintChart(chart.doc, chart.doc.view, form_.chartAreaSize(), chart.bars,
                               printer, options);
        !st)
        prompts_.tell(MessageIcon::Error, chart.doc.messages().text(Msg::mError), st.message());
}

}  // namespace kinvarro
