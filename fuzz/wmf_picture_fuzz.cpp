// Feeds arbitrary bytes to the metafile renderer: whatever the bytes, it
// returns an image or a null image within the size limit, and never crashes.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "render/wmf_picture.h"

using namespace kinvarro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    constexpr int kMaxSide = 256;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = RenderWmf(bytes, kMaxSide);
    if (!image.isNull() && (image.width() > kMaxSide || image.height() > kMaxSide)) {
        std::fprintf(stderr, "wmf_picture_fuzz: image larger than asked\n");
        std::abort();
    }
    return 0;
}
