// A fuzzed chart, read by the native reader first: what it accepts writes,
// reads back to the same file, and exports to GEDCOM in every encoding.
#include <cstdint>

#include "fuzz_support.h"
#include "model/document.h"
#include "persistence/gedcom_writer.h"
#include "persistence/native_format.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    QByteArray written;
    {
        // Released before reading back: a chart may hold a picture of 24 Mi pixels.
        Document doc;
        if (!readNativeDocument(fuzz::Bytes(data, size), doc).ok())
            return 0;
        if (!writeNativeDocument(doc, written).ok())
            return 0;  // values the format cannot hold are refused with a message
    }
    Document reread;
    if (!readNativeDocument(written, reread).ok())
        fuzz::Broken("a written chart does not read back");
    QByteArray again;
    if (!writeNativeDocument(reread, again).ok() || again != written)
        fuzz::Broken("a chart read back writes otherwise");
    for (GedcomEncoding encoding : {GedcomEncoding::Ansi, GedcomEncoding::Utf8}) {
        if (GedcomFileImage(reread, QStringLiteral("/fuzz/chart.ged"), encoding).isEmpty())
            fuzz::Broken("a chart exports no GEDCOM");
    }
    return 0;
}
