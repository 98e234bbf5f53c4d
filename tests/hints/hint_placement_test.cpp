#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "hints/hint_placement.h"
#include "hints/picture_comment.h"

using namespace kinvarro;

namespace {

// A text window whose frame (borders and scroll bars) takes 20 x 20 pixels,
// holding one paragraph `naturalWidth` pixels long that wraps at the box's
// client width into lines 20 pixels high; the last character of a line
// starts 10 pixels before its end.
HintTextFitter paragraph(int naturalWidth) {
    return [naturalWidth](QSize window) {
        const QSize client = window - QSize(20, 20);
        const int lines = (naturalWidth + client.width() - 1) / client.width();
        const QPoint farthest(std::min(naturalWidth, client.width()) - 10, (lines - 1) * 20);
        return FitHintToText(window, client, farthest);
    };
}

const QRect kScreen(0, 0, 1600, 1000);

TEST(HintPlacement, KeepsBothWindowsOnTheWorkArea) {
    struct Case {
        const char *what;
        QRect workArea;
        QPoint anchor;
        std::optional<QSize> picture;
        int textWidth;  // the paragraph's natural width
        HintPlacement expected;
    } cases[] = {
        {"short text beside the pointer", kScreen, {100, 100}, {}, 200, {{100, 100, 240, 50}, {}}},
        {"moved left at the right edge", kScreen, {1500, 100}, {}, 200, {{1360, 100, 240, 50}, {}}},
        {"moved up at the bottom edge", kScreen, {100, 980}, {}, 200, {{100, 950, 240, 50}, {}}},
        // 4700 px wrap into 3 lines at full width; the refit would end 20 px
        // beyond the screen.
        {"wider than the screen: narrowed",
         kScreen,
         {300, 200},
         {},
         4700,
         {{0, 200, 1600, 90}, {}}},
        {"landscape picture above",
         kScreen,
         {100, 300},
         QSize(400, 200),
         200,
         {{100, 300, 240, 50}, QRect(100, 150, 300, 150)}},
        {"landscape pushes the text below the picture",
         kScreen,
         {100, 100},
         QSize(400, 200),
         200,
         {{100, 150, 240, 50}, QRect(100, 0, 300, 150)}},
        {"landscape near right and bottom",
         kScreen,
         {1500, 980},
         QSize(400, 200),
         200,
         {{1300, 950, 240, 50}, QRect(1300, 800, 300, 150)}},
        {"portrait picture to the left",
         kScreen,
         {100, 100},
         QSize(200, 400),
         200,
         {{150, 100, 240, 50}, QRect(0, 100, 150, 300)}},
        {"portrait near right and bottom",
         kScreen,
         {1500, 900},
         QSize(200, 400),
         200,
         {{1360, 700, 240, 50}, QRect(1210, 700, 150, 300)}},
        // Narrowed beside the picture, the text reflows into 4 lines.
        {"portrait with text wider than the rest of the screen",
         kScreen,
         {300, 200},
         QSize(200, 400),
         4700,
         {{150, 200, 1450, 110}, QRect(0, 200, 150, 300)}},
        {"square goes to the left",
         kScreen,
         {400, 100},
         QSize(50, 50),
         200,
         {{400, 100, 240, 50}, QRect(100, 100, 300, 300)}},
        {"a picture without pixels is none",
         kScreen,
         {100, 100},
         QSize(0, 30),
         200,
         {{100, 100, 240, 50}, {}}},
        {"work area below a top panel",
         QRect(0, 30, 1600, 970),
         {100, 990},
         {},
         200,
         {{100, 950, 240, 50}, {}}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PlaceHint(c.workArea, c.anchor, c.picture, paragraph(c.textWidth)), c.expected)
            << c.what;
    }
}

// The picture goes beside the hovered box, not over it, where the screen allows.
TEST(HintPlacement, PictureKeepsOffTheHoveredBox) {
    struct Case {
        const char *what;
        QPoint anchor;
        QSize picture;
        QRect box;
        QRect expected;
    } cases[] = {
        {"landscape moves above the box",
         {100, 300},
         {400, 200},
         {60, 280, 100, 40},
         {60, 130, 300, 150}},
        {"portrait moves left of the box",
         {450, 320},
         {200, 400},
         {400, 300, 120, 40},
         {250, 300, 150, 300}},
        {"a box at the left and top edges: right of the text",
         {20, 20},
         {200, 400},
         {0, 0, 80, 40},
         {390, 0, 150, 300}},
        {"already beside the box: unchanged",
         {100, 300},
         {400, 200},
         {100, 300, 50, 20},
         {100, 150, 300, 150}},
        {"no room anywhere: unchanged",
         {100, 300},
         {400, 200},
         {0, 0, 1600, 1000},
         {100, 150, 300, 150}},
    };
    for (const Case &c : cases) {
        HintPlacement placement = PlaceHint(kScreen, c.anchor, c.picture, paragraph(200));
        const QRect text = placement.text;
        KeepPictureOffBox(placement, kScreen, c.box);
        EXPECT_EQ(placement.picture, c.expected) << c.what;
        EXPECT_EQ(placement.text, text) << c.what;
    }
}

TEST(HintPlacement, PictureClientTruncatesToTheProportions) {
    struct Case {
        QSize picture;
        QSize client;
    } cases[] = {
        {{400, 200}, {300, 150}},
        {{200, 400}, {150, 300}},
        {{301, 200}, {300, 199}},
        {{7, 9}, {233, 300}},
        {{300, 300}, {300, 300}},
        {{100000, 1}, {300, 1}},
        {{0, 0}, {}},
        {{-5, 10}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HintPictureSize(c.picture), c.client)
            << c.picture.width() << "x" << c.picture.height();
}

TEST(PictureComment, LinesOfTheTextFileBesideThePicture) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("face.jpg");
    auto write = [&](const QByteArray &bytes) {
        QFile file(picture + ".txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    EXPECT_EQ(PictureComment(picture), QString());
    EXPECT_EQ(PictureComment(QString()), QString());

    write("Grandfather\r\n\xC4\xE5\xE4 1950\r\n");
    EXPECT_EQ(PictureComment(picture), QString::fromUtf8("Grandfather\nДед 1950"));

    write(QByteArray(1 << 20, 'x'));
    const QString cut = PictureComment(picture);
    EXPECT_GT(cut.size(), 100);
    EXPECT_LT(cut.size(), 10000);
}

}  // namespace
