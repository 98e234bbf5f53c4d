#include "render/picture_limits.h"

#include <QImageReader>
#include <cmath>
#include <cstdlib>

#include "render/little_endian.h"
#include "settings/message_table.h"

namespace kinvarro {
namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;
constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

struct BitmapHeader {
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = kRgb;
    qint64 colourBytes = 0;  // the colour table and masks after the header
};

bool ValidBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The bitmap header at the start of `bytes`; false for none this program reads.
bool ReadHeader(QByteArrayView bytes, BitmapHeader &h) {
    if (bytes.size() < 4)
        return false;
    h.size = DoubleWord(bytes, 0);
    if (h.size == kCoreHeaderSize && bytes.size() >= kCoreHeaderSize) {
        h.width = Word(bytes, 4);
        h.height = Word(bytes, 6);
        h.bitCount = Word(bytes, 10);
        if (h.bitCount <= 8)
            h.colourBytes = 3LL << h.bitCount;
    } else if (h.size >= kInfoHeaderSize && qsizetype(h.size) <= bytes.size()) {
        h.width = qint32(DoubleWord(bytes, 4));
        h.height = std::llabs(qint64(qint32(DoubleWord(bytes, 8))));
        h.bitCount = Word(bytes, 14);
        h.compression = DoubleWord(bytes, 16);
        // As many colours as the header names follow it, at any depth: a
        // reader takes them all, so a forged count must find its bytes there.
        const quint32 used = DoubleWord(bytes, 32);
        const qint64 colours = used != 0 ? qint64(used) : h.bitCount <= 8 ? 1LL << h.bitCount : 0;
        h.colourBytes = 4 * colours;
        if (h.size == kInfoHeaderSize && h.compression == kBitFields)
            h.colourBytes += 12;
    } else {
        return false;
    }
    return h.width > 0 && h.height > 0 && ValidBitCount(h.bitCount);
}

// Checks the pixels after `dataStart` bytes against the header.
BitmapCheck CheckPixels(const BitmapHeader &h, qint64 available, qint64 dataStart, qint64 budget) {
    if (!FitsPictureBudget(h.width, h.height, budget))
        return BitmapCheck::TooLarge;
    switch (h.compression) {
        case kRgb:
        case kBitFields:
        case kAlphaBitFields: {
            const qint64 stride = (h.width * h.bitCount + 31) / 32 * 4;
            return dataStart + stride * h.height <= available ? BitmapCheck::Fits
                                                              : BitmapCheck::Truncated;
        }
        case kRle8:
        case kRle4:
            // Runs and jumps decode to any size: the budget above is what bounds them.
            return dataStart < available ? BitmapCheck::Fits : BitmapCheck::Truncated;
        default:
            return BitmapCheck::Malformed;
    }
}

}  // namespace

QString PictureTooLargeText(const MessageTable &messages) {
    return messages.text(Msg::mPictureTooLarge).arg(kMaxPicturePixels / 1000000);
}

bool FitsPictureBudget(qint64 width, qint64 height, qint64 budget) {
    // Each side is below 2^32, so the product cannot overflow.
    return width > 0 && height > 0 && width <= 0xFFFFFFFFLL && height <= 0xFFFFFFFFLL &&
           width * height <= budget;
}

BitmapCheck CheckBmpFile(QByteArrayView bytes, qint64 fileSize, qint64 budget) {
    if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return BitmapCheck::Malformed;
    BitmapHeader h;
    if (!ReadHeader(bytes.sliced(kFileHeaderSize), h))
        return bytes.size() < kFileHeaderSize + qsizetype(kInfoHeaderSize) ? BitmapCheck::Truncated
                                                                           : BitmapCheck::Malformed;
    const qint64 dataStart = DoubleWord(bytes, 10);
    if (dataStart < kFileHeaderSize + h.size)
        return BitmapCheck::Malformed;
    return CheckPixels(h, fileSize, dataStart, budget);
}

BitmapCheck CheckPackedBitmap(QByteArrayView bytes, qint64 &pixels, qint64 budget) {
    BitmapHeader h;
    if (!ReadHeader(bytes, h))
        return BitmapCheck::Malformed;
    const qint64 left = budget - pixels;
    const BitmapCheck check = CheckPixels(h, bytes.size(), h.size + h.colourBytes, left);
    if (check == BitmapCheck::Fits)
        pixels += h.width * h.height;
    return check;
}

std::optional<QString> BmpRefusal(const MessageTable &messages, QByteArrayView head,
                                  qint64 fileSize) {
    switch (CheckBmpFile(head, fileSize)) {
        case BitmapCheck::Truncated:
            return messages.text(Msg::mPictureTruncated);
        case BitmapCheck::TooLarge:
            return PictureTooLargeText(messages);
        case BitmapCheck::Fits:
        case BitmapCheck::Malformed:
            break;
    }
    return std::nullopt;
}

std::optional<QString> SizeRefusal(const MessageTable &messages, QSize size) {
    if (!size.isValid() || FitsPictureBudget(size.width(), size.height()))
        return std::nullopt;
    return PictureTooLargeText(messages);
}

QImage ReadImageWithinBudget(QImageReader &reader) {
    reader.setAllocationLimit(kImageAllocationLimitMb);
    const QSize size = reader.size();
    if (size.isValid() && !FitsPictureBudget(size.width(), size.height())) {
        if (!reader.supportsOption(QImageIOHandler::ScaledSize))
            return {};
        const double shrink =
            std::sqrt(double(kMaxPicturePixels) / (double(size.width()) * size.height()));
        reader.setScaledSize(QSize(std::max(1, int(size.width() * shrink)),
                                   std::max(1, int(size.height() * shrink))));
    }
    return reader.read();
}

}  // namespace kinvarro
