// Feeds arbitrary bytes to the whole GEDCOM import: decoding, reading,
// linking, placement and the grid alignment of the new chart.
#include <QGuiApplication>
#include <cstdint>

#include "model/document.h"
#include "persistence/gedcom_import.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Document doc;
    GedcomImportReport report;
    if (!ImportGedcomData(bytes, doc, nullptr, &report))
        (void)GedcomReportText(doc.messages(), report);
    return 0;
}
