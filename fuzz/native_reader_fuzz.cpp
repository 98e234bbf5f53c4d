// Feeds arbitrary bytes to the .kvr reader and writes back what it accepted.
#include <QGuiApplication>
#include <cstdint>

#include "model/document.h"
#include "persistence/native_format.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Document doc;
    QStringList warnings;
    if (readNativeDocument(bytes, doc, &warnings).ok()) {
        QByteArray written;
        (void)writeNativeDocument(doc, written);
    }
    return 0;
}
