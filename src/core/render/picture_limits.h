#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QtGlobal>
#include <optional>

class QImageReader;

namespace kinvarro {

class MessageTable;

/// Most pixels one decoded picture may have (96 MB at 32 bits a pixel). Headers
/// can claim any size, so every decoder is asked first.
inline constexpr qint64 kMaxPicturePixels = 24LL * 1024 * 1024;
/// Qt's readers allocate no image larger than this, in megabytes.
inline constexpr int kImageAllocationLimitMb = 128;

/// Whether a picture of `width` x `height` may be decoded within `budget` pixels.
bool FitsPictureBudget(qint64 width, qint64 height, qint64 budget = kMaxPicturePixels);

/// What the headers of a device-independent bitmap say before it is decoded.
enum class BitmapCheck {
    Fits,       ///< the headers are sound and the pixels lie inside the bytes
    Malformed,  ///< no bitmap header this program reads
    Truncated,  ///< the pixel data is shorter than the header says
    TooLarge,   ///< decoded, it would pass the pixel budget
};

/// Checks a BMP file of `fileSize` bytes that begin with `head` (its headers)
/// before it is decoded.
BitmapCheck CheckBmpFile(QByteArrayView head, qint64 fileSize, qint64 budget = kMaxPicturePixels);

/// Checks a bitmap as metafile records hold it (bitmap header, colours, pixels),
/// and adds its pixel count to `pixels`.
BitmapCheck CheckPackedBitmap(QByteArrayView bytes, qint64 &pixels,
                              qint64 budget = kMaxPicturePixels);

/// Why a BMP file is refused before decoding, in the interface's language: cut
/// short or too large. Nothing for a sound file, and nothing for bytes that are
/// no BMP at all (the decoder says why). `head` is at least the file's headers.
std::optional<QString> BmpRefusal(const MessageTable &messages, QByteArrayView head,
                                  qint64 fileSize);

/// Says that a picture passes the pixel budget, in the interface's language.
QString PictureTooLargeText(const MessageTable &messages);

/// Why a picture of this size is refused, if it passes the budget.
std::optional<QString> SizeRefusal(const MessageTable &messages, QSize size);

/// Reads with Qt's readers under the allocation limit; a picture whose size
/// passes the budget is decoded smaller where the format allows that, and
/// refused otherwise (a null image).
QImage ReadImageWithinBudget(QImageReader &reader);

}  // namespace kinvarro
