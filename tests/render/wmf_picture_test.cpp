#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QTemporaryDir>

#include "render/picture_file.h"
#include "render/wmf_picture.h"
#include "wmf_fixture.h"

using namespace kinvarro;
using kinvarro::test::RedLeftHalf;
using kinvarro::test::WmfBytes;

namespace {

TEST(WmfPicture, DrawsASmallPlaceableMetafile) {
    const QImage image = RenderWmf(RedLeftHalf());
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(image.width(), 100, 2);
    EXPECT_NEAR(image.height(), 50, 2);
    EXPECT_EQ(image.pixel(10, 25), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(90, 25), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 3), qRgb(255, 255, 255));
    // Lengths in the header that disagree with the records change nothing.
    QByteArray wrongLengths = RedLeftHalf();
    wrongLengths.replace(22 + 6, 4, QByteArray("\x01\0\0\0", 4));
    wrongLengths.replace(22 + 12, 4, QByteArray("\x6f\x6e\x74\x73", 4));
    EXPECT_EQ(RenderWmf(wrongLengths), image);
    const QImage small = RenderWmf(RedLeftHalf(), 20);
    EXPECT_EQ(std::max(small.width(), small.height()), 20);
}

TEST(WmfPicture, MalformedMetafilesGiveNoPicture) {
    const QByteArray good = RedLeftHalf();
    QByteArray zeroRecord = good;
    zeroRecord.replace(22 + 18, 4, QByteArray(4, '\0'));
    QByteArray hugeRecord = good;
    hugeRecord.replace(22 + 18, 4, QByteArray("\xff\xff\xff\x7f", 4));
    QByteArray badVersion = good;
    badVersion[22 + 4] = 7;
    const QByteArray cases[] = {
        QByteArray(),
        good.left(10),
        good.left(22 + 18),
        good.left(good.size() - 6),  // no end record
        good.left(good.size() - 1),
        zeroRecord,
        hugeRecord,
        badVersion,
        QByteArray(200, '\xff'),
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toHex().left(80).toStdString());
        EXPECT_TRUE(RenderWmf(bytes).isNull());
    }
}

// A metafile that fills a rectangle through a bitmap record: the record's fixed
// words, then a bitmap header claiming `width` x `height` pixels of `bits` bits
// in `compression`, then `pixelWords` words of pixels.
QByteArray WithBitmapRecord(int function, std::vector<int> fixed, int width, int height, int bits,
                            int compression, int pixelWords, quint32 colours = 0) {
    std::vector<int> words = std::move(fixed);
    const int header[] = {40,
                          0,
                          width & 0xFFFF,
                          width >> 16,
                          height & 0xFFFF,
                          height >> 16,
                          1,
                          bits,
                          compression,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          int(colours & 0xFFFF),
                          int(colours >> 16),
                          0,
                          0};
    words.insert(words.end(), std::begin(header), std::end(header));
    // The colour table: the colours the header names (unless it claims more
    // than a palette holds), else a full palette below 16 bits a pixel.
    if (colours != 0 && colours <= 256)
        words.insert(words.end(), std::size_t(2) * colours, 0);
    else if (bits <= 8)
        words.insert(words.end(), std::size_t(2) << bits, 0);
    words.insert(words.end(), std::size_t(pixelWords), 0x5555);
    WmfBytes wmf;
    wmf.record(0x020B, {0, 0});
    wmf.record(0x020C, {50, 100});
    wmf.record(function, words);
    wmf.record(0x012D, {0});
    wmf.record(0x041B, {50, 100, 0, 0});
    return wmf.placeable(100, 50, 96);
}

// A bitmap inside a record is decoded whole, whatever size the metafile is drawn
// at: its header must fit the pixel budget and the record's bytes.
TEST(WmfPicture, BitmapsInsideRecordsAreBoundedBeforeDecoding) {
    constexpr int kBrush = 0x0142;       // META_DIBCREATEPATTERNBRUSH
    constexpr int kStretch = 0x0F43;     // META_STRETCHDIB
    constexpr int kStretchBlt = 0x0B41;  // META_DIBSTRETCHBLT
    const std::vector<int> brush = {5, 0};
    const std::vector<int> stretch = {0x0020, 0x00CC, 0, 8, 8, 0, 0, 50, 100, 0, 0};
    const std::vector<int> stretchBlt = {0x0020, 0x00CC, 8, 8, 0, 0, 50, 100, 0, 0};
    const struct {
        const char *what;
        QByteArray bytes;
        bool drawn;
    } cases[] = {
        {"8 x 8 brush", WithBitmapRecord(kBrush, brush, 8, 8, 24, 0, 96), true},
        {"8 x 8 stretched", WithBitmapRecord(kStretch, stretch, 8, 8, 24, 0, 96), true},
        {"8 x 8 stretch blit", WithBitmapRecord(kStretchBlt, stretchBlt, 8, 8, 24, 0, 96), true},
        {"RLE4 brush of 30000 x 30000", WithBitmapRecord(kBrush, brush, 30000, 30000, 4, 2, 4),
         false},
        {"RLE8 stretched 46000 x 46000", WithBitmapRecord(kStretch, stretch, 46000, 46000, 8, 1, 4),
         false},
        {"stretch blit of 30000 x 30000",
         WithBitmapRecord(kStretchBlt, stretchBlt, 30000, 30000, 8, 1, 4), false},
        {"pixels past the record", WithBitmapRecord(kBrush, brush, 8, 8, 24, 0, 95), false},
        {"no bitmap width", WithBitmapRecord(kBrush, brush, 0, 8, 24, 0, 96), false},
        {"24 bits with a table of 2 colours", WithBitmapRecord(kBrush, brush, 8, 8, 24, 0, 96, 2),
         true},
        // The drawing library reads as many colours as the header names, at any depth.
        {"24 bits naming 1107296256 colours",
         WithBitmapRecord(kBrush, brush, 8, 8, 24, 1, 96, 0x42000000), false},
        {"8 bits naming 1107296256 colours",
         WithBitmapRecord(kBrush, brush, 8, 8, 8, 0, 32, 0x42000000), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(!RenderWmf(c.bytes).isNull(), c.drawn) << c.what;
}

// A frame of `side` units at 96 per inch, a solid pen `pen` units wide, then
// `rectangles` rectangles (or other shapes of a bounding box) over the whole frame.
QByteArray Rectangles(int side, int pen, int rectangles, int function = 0x041B) {
    WmfBytes wmf;
    wmf.record(0x020B, {0, 0});
    wmf.record(0x020C, {side, side});
    wmf.record(0x02FA, {0, pen, 0, 0, 0});  // solid black pen, object 0
    wmf.record(0x012D, {0});
    for (int i = 0; i < rectangles; ++i)
        wmf.record(function, {side, side, 0, 0});
    return wmf.placeable(side, side, 96);
}

// The drawing library stamps a pen-sized image at every pixel of a line and
// fills pixel by pixel: a picture asking for billions of pixel writes is
// refused at once instead of holding the editor for seconds or minutes.
TEST(WmfPicture, DrawingWorkIsBounded) {
    constexpr int kEllipse = 0x0418;
    // Two rectangles drawn 100 x 50 units large in a frame of 6.25 x 12 inches
    // (found by the fuzzer): the default pen becomes 133 x 425 pixels.
    WmfBytes stretched;
    stretched.record(0x020B, {0, 0});
    stretched.record(0x000C, {0, 762});  // not a record the library knows
    stretched.record(0x041B, {49, 100, 0, 0});
    stretched.record(0x02FC, {0, 255, 0, 0});
    stretched.record(0x012D, {2});
    stretched.record(0x041B, {40, 50, 10, 0});
    const struct {
        const char *what;
        QByteArray bytes;
        bool drawn;
    } cases[] = {
        {"a pen 8 pixels wide", Rectangles(1000, 8, 1), true},
        {"five rectangles over the picture", Rectangles(2000, 1, 5), true},
        {"a pen half as wide as the picture", Rectangles(1000, 500, 1), false},
        {"an ellipse with a pen 8 pixels wide", Rectangles(1000, 8, 1, kEllipse), true},
        {"an ellipse with a pen half as wide as the picture", Rectangles(1000, 500, 1, kEllipse),
         false},
        {"a thousand rectangles over the picture", Rectangles(2000, 1, 1000), false},
        {"a small drawing stretched over a large frame", stretched.placeable(12800, 24676, 2048),
         false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(!RenderWmf(c.bytes).isNull(), c.drawn) << c.what;
}

TEST(WmfPicture, PictureFilesAreReadByContent) {
    QTemporaryDir dir;
    const QString wmf = dir.filePath("a.wmf");
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RedLeftHalf());
    file.close();
    EXPECT_EQ(ReadPictureFile(wmf).pixel(10, 25), qRgb(255, 0, 0));
    EXPECT_EQ(ReadPictureFile(wmf, 20).size(), QSize(20, 10));
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath("b.bmp")));
    EXPECT_EQ(ReadPictureFile(dir.filePath("b.bmp")).pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_TRUE(ReadPictureFile(dir.filePath("missing.wmf")).isNull());
}

// A named pipe would block the hint for ever in open(); a BMP cut short would
// show leftover memory.
TEST(WmfPicture, OnlyRegularSoundPictureFilesAreRead) {
    QTemporaryDir dir;
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath("whole.bmp")));
    QFile whole(dir.filePath("whole.bmp"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QFile cut(dir.filePath("cut.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() - 16));
    cut.close();
    const QString pipe = dir.filePath("pipe.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));

    EXPECT_FALSE(ReadPictureFile(dir.filePath("whole.bmp")).isNull());
    for (const char *name : {"cut.bmp", "pipe.bmp", "folder.bmp"})
        EXPECT_TRUE(ReadPictureFile(dir.filePath(name)).isNull()) << name;
}

}  // namespace
