#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "render/picture_file.h"
#include "render/wmf_picture.h"
#include "wmf_fixture.h"

using namespace kinvarro;
using kinvarro::test::RedLeftHalf;

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
