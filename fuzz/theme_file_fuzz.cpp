// A theme file and its picture from the input (the picture after the first
// "\n#picture\n"). A theme that loads saves back to a theme that loads equal.
#include <cstdint>

#include "fuzz_support.h"
#include "model/document_settings.h"
#include "settings/message_table.h"
#include "themes/theme_file.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const MessageTable messages;
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QByteArray separator("\n#picture\n");
    const qsizetype split = bytes.indexOf(separator);
    const QString theme =
        fuzz::WriteScratchFile(QStringLiteral("in.thm"), split < 0 ? bytes : bytes.left(split));
    const QString picture = ThemePicturePath(theme);
    if (split < 0)
        QFile::remove(picture);
    else
        fuzz::WriteScratchFile(QStringLiteral("in.thm.bmp"), bytes.mid(split + separator.size()));

    const DocumentSettings current;
    DocumentSettings loaded;
    if (!ReadTheme(theme, current, messages, loaded).ok())
        return 0;
    const QString saved = fuzz::Scratch().filePath(QStringLiteral("out.thm"));
    // Saving never replaces a theme, so the last input's one goes first.
    QFile::remove(saved);
    QFile::remove(ThemePicturePath(saved));
    if (!WriteTheme(saved, QStringLiteral("fuzz"), loaded, messages).ok())
        fuzz::Broken("a loaded theme cannot be saved");
    DocumentSettings again;
    if (!ReadTheme(saved, current, messages, again).ok())
        fuzz::Broken("a saved theme does not load");
    // A picture is saved as 32-bit colour whatever it was read as.
    if (!loaded.backgroundPicture.isNull())
        loaded.backgroundPicture = loaded.backgroundPicture.convertToFormat(QImage::Format_RGB32);
    if (!again.backgroundPicture.isNull())
        again.backgroundPicture = again.backgroundPicture.convertToFormat(QImage::Format_RGB32);
    if (!(again == loaded))
        fuzz::Broken("a saved theme loads to other settings");
    return 0;
}
