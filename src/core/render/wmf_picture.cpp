#include "render/wmf_picture.h"

#include <QSize>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "render/little_endian.h"
#include "render/picture_limits.h"

// libwmf defines U8, U16 and U32: its headers come after all Qt headers.
#include <libwmf/gd.h>
#include "render/wmf_work_budget.h"

namespace kinvarro {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;
constexpr quint16 kEndOfFile = 0x0000;
constexpr qsizetype kRecordHeaderSize = 6;

qsizetype HeaderStart(const QByteArray &bytes) {
    return bytes.size() >= 4 && DoubleWord(bytes, 0) == kPlaceableKey ? kPlaceableSize : 0;
}

// Where the records end and how long the longest is, in 16-bit words.
struct RecordExtent {
    qsizetype end = 0;
    quint32 longest = 0;
};

// Where the bitmap starts in a record that draws or holds one, counted from the
// record's start; 0 for records without a bitmap. The blit records hold one only
// when they are longer than their fixed fields.
qsizetype BitmapOffset(quint16 function, quint32 words) {
    switch (function) {
        case 0x0142:  // META_DIBCREATEPATTERNBRUSH: style, colour use
            return kRecordHeaderSize + 4;
        case 0x0940:  // META_DIBBITBLT
            return words == 12 ? 0 : kRecordHeaderSize + 16;
        case 0x0B41:  // META_DIBSTRETCHBLT
            return words == 14 ? 0 : kRecordHeaderSize + 20;
        case 0x0F43:  // META_STRETCHDIB
            return kRecordHeaderSize + 22;
        case 0x0D33:  // META_SETDIBTODEV
            return kRecordHeaderSize + 18;
        default:
            return 0;
    }
}

// A bitmap inside a record is decoded whole by the drawing library: its header
// must agree with the record's bytes, and all bitmaps together stay within the
// pixel budget, whatever size the metafile is drawn at.
bool BitmapFits(const QByteArray &bytes, qsizetype at, quint32 words, quint16 function,
                qint64 &pixels) {
    const qsizetype offset = BitmapOffset(function, words);
    if (offset == 0)
        return true;
    const qsizetype length = qsizetype(words) * 2;
    if (offset >= length)
        return false;
    const QByteArrayView bitmap(bytes.constData() + at + offset, length - offset);
    return CheckPackedBitmap(bitmap, pixels) == BitmapCheck::Fits;
}

// The header and every record lie inside the bytes, and the records end with
// the end-of-file record.
std::optional<RecordExtent> CheckRecords(const QByteArray &bytes) {
    const qsizetype start = HeaderStart(bytes);
    if (bytes.size() < start + kHeaderSize)
        return std::nullopt;
    const quint16 type = Word(bytes, start);
    const quint16 headerWords = Word(bytes, start + 2);
    const quint16 version = Word(bytes, start + 4);
    if ((type != 1 && type != 2) || headerWords != kHeaderSize / 2 ||
        (version != 0x0100 && version != 0x0300))
        return std::nullopt;
    RecordExtent extent;
    qint64 pixels = 0;
    for (qsizetype at = start + kHeaderSize; at + 6 <= bytes.size();) {
        const quint32 words = DoubleWord(bytes, at);
        const quint16 function = Word(bytes, at + 4);
        if (words < 3 || words > quint32(bytes.size() - at) / 2)
            return std::nullopt;
        if (!BitmapFits(bytes, at, words, function, pixels))
            return std::nullopt;
        extent.longest = std::max(extent.longest, words);
        at += qsizetype(words) * 2;
        if (function == kEndOfFile) {
            extent.end = at;
            return extent;
        }
    }
    return std::nullopt;
}

void SetDoubleWord(QByteArray &bytes, qsizetype at, quint32 value) {
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

struct ApiDeleter {
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};

// The device writes the drawn picture as PNG bytes through this sink.
int AppendBytes(void *context, char *buffer, int length) {
    if (length > 0)
        static_cast<QByteArray *>(context)->append(buffer, length);
    return length;
}

}  // namespace

bool LooksLikeWmf(const QByteArray &bytes) {
    const qsizetype start = HeaderStart(bytes);
    return bytes.size() >= start + 6 && (Word(bytes, start) == 1 || Word(bytes, start) == 2) &&
           Word(bytes, start + 2) == kHeaderSize / 2;
}

QImage RenderWmf(const QByteArray &bytes, int maxSide) {
    const std::optional<RecordExtent> extent = CheckRecords(bytes);
    if (maxSide < 1 || !extent)
        return {};
    // The library sizes its buffers from the header's file and record lengths:
    // they are set to what the records really take.
    const qsizetype start = HeaderStart(bytes);
    QByteArray copy = bytes.left(extent->end);
    SetDoubleWord(copy, start + 6, quint32((extent->end - start) / 2));
    SetDoubleWord(copy, start + 12, extent->longest);
    wmfAPI_Options options{};
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    options.function = wmf_gd_function;
    wmfAPI *created = nullptr;
    if (wmf_api_create(&created, flags, &options) != wmf_E_None) {
        if (created)
            wmf_api_destroy(created);
        return {};
    }
    const std::unique_ptr<wmfAPI, ApiDeleter> api(created);
    auto *data = reinterpret_cast<unsigned char *>(copy.data());
    wmfD_Rect bbox{};
    if (wmf_mem_open(api.get(), data, long(copy.size())) != wmf_E_None ||
        wmf_scan(api.get(), 0, &bbox) != wmf_E_None)
        return {};
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_display_size(api.get(), &width, &height, 96, 96) != wmf_E_None || width == 0 ||
        height == 0)
        return {};
    const double scale = std::min(1.0, double(maxSide) / std::max(width, height));
    width = std::max(1u, unsigned(std::lround(width * scale)));
    height = std::max(1u, unsigned(std::lround(height * scale)));

    // Drawn as PNG into memory: the device then frees its own image, which
    // it would not do for an image handed out.
    wmf_gd_t *device = WMF_GD_GetData(api.get());
    if (!(device->flags & WMF_GD_SUPPORTS_PNG))
        return {};
    QByteArray png;
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->width = width;
    device->height = height;
    device->bbox = bbox;
    device->sink.context = &png;
    device->sink.function = AppendBytes;
    // A drawing that would take more than the budget is refused, not drawn in part.
    const WmfWorkBudget budget(api.get(), bbox, width, height);
    if (wmf_play(api.get(), 0, &bbox) != wmf_E_None)
        return {};
    QImage image;
    if (!image.loadFromData(png, "PNG") || image.size() != QSize(int(width), int(height)))
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace kinvarro
