#include "render/full_size_chart.h"

namespace kinvarro {

FullSizeChart::FullSizeChart(const Document &source, QSize chartArea) {
    doc.NodeTable = source.NodeTable;
    doc.settings = source.settings;
    doc.settings.scale = 1.0f;
    doc.view = source.view;
    doc.setMessages(&source.messages());
    UpdateScrollBars(doc, chartArea, bars);
}

}  // namespace kinvarro
