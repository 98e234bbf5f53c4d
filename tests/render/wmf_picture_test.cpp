#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

#include "render/picture_file.h"
#include "render/wmf_picture.h"

using namespace kinvarro;

namespace {

// A small metafile written record by record.
class WmfBytes {
  public:
    void word(int value) {
        char bytes[2];
        qToLittleEndian<quint16>(quint16(value), bytes);
        body_.append(bytes, 2);
    }
    void doubleWord(quint32 value) {
        word(int(value & 0xFFFF));
        word(int(value >> 16));
    }
    /// A record of `function` with its parameter words.
    void record(int function, std::initializer_list<int> parameters) {
        doubleWord(quint32(3 + parameters.size()));
        word(function);
        for (int p : parameters)
            word(p);
    }
    /// The placeable header for a picture of `width` x `height` units at
    /// `unitsPerInch`, the metafile header, the records and the end record.
    QByteArray placeable(int width, int height, int unitsPerInch) const {
        WmfBytes head;
        head.doubleWord(0x9AC6CDD7);
        const int fields[] = {0, 0, 0, width, height, unitsPerInch, 0, 0};
        for (int f : fields)
            head.word(f);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= qFromLittleEndian<quint16>(head.body_.constData() + i);
        head.word(sum);
        return head.body_ + plain();
    }
    QByteArray plain() const {
        WmfBytes file;
        const int words = 9 + int(body_.size() / 2) + 3;
        file.word(1);
        file.word(9);
        file.word(0x0300);
        file.doubleWord(quint32(words));
        file.word(3);        // objects
        file.doubleWord(8);  // largest record
        file.word(0);
        return file.body_ + body_ + QByteArray("\x03\0\0\0\0\0", 6);
    }

  private:
    QByteArray body_;
};

// 100 x 50 units at 96 per inch: white, with a red rectangle in the left half.
QByteArray RedLeftHalf() {
    WmfBytes wmf;
    wmf.record(0x020B, {0, 0});                  // window origin
    wmf.record(0x020C, {50, 100});               // window extent (y, x)
    wmf.record(0x02FA, {5, 0, 0, 0, 0});         // null pen, object 0
    wmf.record(0x012D, {0});                     // select it
    wmf.record(0x02FC, {0, 0xFFFF, 0x00FF, 0});  // white brush, object 1
    wmf.record(0x012D, {1});
    wmf.record(0x041B, {50, 100, 0, 0});         // rectangle: bottom, right, top, left
    wmf.record(0x02FC, {0, 0x00FF, 0x0000, 0});  // red brush, object 2
    wmf.record(0x012D, {2});
    wmf.record(0x041B, {40, 50, 10, 0});
    return wmf.placeable(100, 50, 96);
}

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

TEST(WmfPicture, PictureFilesAreReadByContent) {
    QTemporaryDir dir;
    const QString wmf = dir.filePath("a.wmf");
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(RedLeftHalf());
    file.close();
    EXPECT_EQ(ReadPictureFile(wmf).pixel(10, 25), qRgb(255, 0, 0));
    QImage green(4, 4, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath("b.bmp")));
    EXPECT_EQ(ReadPictureFile(dir.filePath("b.bmp")).pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_TRUE(ReadPictureFile(dir.filePath("missing.wmf")).isNull());
}

}  // namespace
