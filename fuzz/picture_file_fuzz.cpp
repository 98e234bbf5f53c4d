// Any bytes as a picture file (BMP, PNG, JPEG, GIF, metafile, ...): the reader
// returns a null image or one within the pixel budget.
#include <cstdint>

#include "fuzz_support.h"
#include "render/picture_file.h"
#include "render/picture_limits.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString path = fuzz::WriteScratchFile(QStringLiteral("picture"), fuzz::Bytes(data, size));
    const QImage image = ReadPictureFile(path);
    if (!image.isNull() && !FitsPictureBudget(image.width(), image.height()))
        fuzz::Broken("a picture larger than the budget");
    return 0;
}
