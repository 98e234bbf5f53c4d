#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "persistence/native_format.h"
#include "render/diagram_tiles.h"
#include "render/scene.h"
#include "render/scroll_bars.h"
#include "render_commands.h"
#include "test_support.h"

using namespace kinvarro;
using kinvarro::test::addPerson;

namespace {

int runTool(const QStringList &args, QByteArray *err = nullptr) {
    QProcess process;
    process.start(QStringLiteral(KVRTOOL_PATH), args);
    process.waitForFinished(60000);
    if (err)
        *err = process.readAllStandardError();
    return process.exitCode();
}

QString writeSample(const QTemporaryDir &dir) {
    Document doc;
    const int mother = addPerson(doc, 10, 20, -1, -1, "Anna");
    addPerson(doc, 30, 140, mother, -1, "Tom\r\nSmith");
    addPerson(doc, 400, 260, -1, mother, "Far");
    doc.settings.showHGrid = true;
    const QString path = dir.filePath("sample.kvr");
    EXPECT_TRUE(WriteDocument(path, doc).ok());
    return path;
}

}  // namespace

TEST(RenderCommands, OptionsTakeAViewAndAnOriginInPixels) {
    struct Case {
        QStringList args;
        bool withOrigin;
        bool ok;
        QSize view;
        QPoint origin;
    } cases[] = {
        {{}, true, true, {800, 600}, {}},
        {{"--view", "320x200", "--origin", "-10,5"}, true, true, {320, 200}, {-10, 5}},
        {{"--origin", "7,8"}, false, false, {}, {}},
        {{"--view", "0x5"}, true, false, {}, {}},
        {{"--view", "12x"}, true, false, {}, {}},
        {{"--view", "9000x10"}, true, false, {}, {}},
        {{"--origin", "1,2,3"}, true, false, {}, {}},
        {{"--origin", "2147483648,0"}, true, false, {}, {}},
        {{"--view"}, true, false, {}, {}},
        {{"--zoom", "2"}, true, false, {}, {}},
    };
    for (const Case &c : cases) {
        RenderOptions options;
        const Status status = parseRenderOptions(c.args, c.withOrigin, options);
        EXPECT_EQ(status.ok(), c.ok) << c.args.join(' ').toStdString();
        if (c.ok) {
            EXPECT_EQ(options.view, c.view);
            EXPECT_EQ(options.origin, c.origin);
        } else {
            EXPECT_FALSE(status.message().isEmpty());
        }
    }
}

TEST(RenderCommands, RenderPaintsTheSceneAtTheOriginAndConvertWritesTheDiagram) {
    QTemporaryDir dir;
    const QString path = writeSample(dir);
    Document doc;
    ASSERT_TRUE(ReadDocument(path, doc).ok());

    const QString png = dir.filePath("scene.png");
    QByteArray err;
    ASSERT_EQ(runTool({"render", path, png, "--view", "320x200", "--origin", "-10,5"}, &err), 0)
        << err.toStdString();
    doc.view.ViewOriginX = -10;
    doc.view.ViewOriginY = 5;
    ChartCanvas expected(QSize(320, 200));
    PaintScene(expected, doc);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), expected.image());

    const QString bmp = dir.filePath("chart.bmp");
    ASSERT_EQ(runTool({"convert", path, bmp, "--view", "150x100"}, &err), 0) << err.toStdString();
    doc.view.ViewOriginX = doc.view.ViewOriginY = 0;
    ScrollBars bars;
    UpdateScrollBars(doc, QSize(150, 100), bars);
    const TileGrid grid = DiagramTileGrid(bars, QSize(150, 100));
    QImageReader reader(bmp);
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.size(), QSize(int(grid.imageWidth()), int(grid.imageHeight())));

    EXPECT_EQ(runTool({"render", path, png, "--view", "big"}, &err), 1);
    EXPECT_TRUE(err.contains("--view"));
    EXPECT_EQ(runTool({"convert", path, dir.filePath("copy.kvr"), "--view", "10x10"}), 2);
}
