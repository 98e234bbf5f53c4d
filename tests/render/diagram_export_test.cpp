#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "prompts/progress_display.h"
#include "render/diagram_bitmap.h"
#include "render/diagram_export.h"
#include "render/diagram_tiles.h"
#include "render_support.h"
#include "test_support.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

struct RecordingProgress : ProgressDisplay {
    QStringList captions;
    std::vector<int> positions;
    bool visible = false;
    void show(const QString &caption, int, int) override {
        captions << caption;
        visible = true;
    }
    void setPosition(int position) override { positions.push_back(position); }
    void hide() override { visible = false; }
};

ScrollBars barsWith(std::int32_t hMin, std::int32_t hMax, std::int32_t vMin, std::int32_t vMax) {
    ScrollBars bars;
    bars.ScrollBarH.setMax(hMax);
    bars.ScrollBarH.setMin(hMin);
    bars.ScrollBarV.setMax(vMax);
    bars.ScrollBarV.setMin(vMin);
    return bars;
}

std::uint32_t u32(const QByteArray &bytes, int offset) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

// A small family chart with a grid and a selected element.
void fillChart(Document &doc) {
    const int mother = addPerson(doc, 10, 0, -1, -1, "Mother");
    const int father = addPerson(doc, 150, 10, -1, -1, "Father\r\nSenior");
    addPerson(doc, 40, 120, mother, father, "Child");
    addPerson(doc, 230, 140, mother, father, "Second");
    addPerson(doc, -60, 230, -1, 2, "Grandchild");
    doc.NodeTable.setSelected(3, true);
    doc.settings.showHGrid = true;
}

}  // namespace

TEST(DiagramExport, TilesCoverTheScrollRangesFromTwentyPixelsBefore) {
    struct Case {
        ScrollBars bars;
        QSize area;
        std::int64_t firstX, firstY, columns, rows, width, height;
    } cases[] = {
        {barsWith(-100, 1500, 0, 700), {800, 600}, -120, -20, 3, 2, 2400, 1200},
        {barsWith(0, 0, 0, 0), {800, 600}, -20, -20, 1, 1, 800, 600},
        {barsWith(0, 780, 0, 580), {800, 600}, -20, -20, 1, 1, 800, 600},
        {barsWith(0, 781, 0, 581), {800, 600}, -20, -20, 2, 2, 1600, 1200},
    };
    for (const Case &c : cases) {
        const TileGrid grid = DiagramTileGrid(c.bars, c.area);
        EXPECT_EQ(grid.firstX, c.firstX);
        EXPECT_EQ(grid.firstY, c.firstY);
        EXPECT_EQ(grid.columns, c.columns);
        EXPECT_EQ(grid.rows, c.rows);
        EXPECT_EQ(grid.imageWidth(), c.width);
        EXPECT_EQ(grid.imageHeight(), c.height);
    }
    EXPECT_EQ(DiagramTileGrid(barsWith(0, 0, 0, 0), {0, 600}).columns, 0);
}

TEST(DiagramExport, RowsArePaddedToFourBytes) {
    const int cases[][2] = {{800, 0}, {801, 1}, {802, 2}, {803, 3}, {1, 1}};
    for (const auto &[width, padding] : cases) {
        EXPECT_EQ(BitmapRowPadding(width), padding) << width;
        EXPECT_EQ(BitmapFileSize(width, 3), 54 + 3 * (width * 3 + padding));
    }
}

TEST(DiagramExport, TileRunsEndAtTheRightEdgeOfTheirTile) {
    // Two by two tiles of 3 x 2 pixels; each pixel's red byte is its tile, green its column, blue
    // its row.
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    std::vector<char> rowBuffer;
    for (int tile = 0; tile < 4; ++tile) {
        QImage image(3, 2, QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y, qRgb(tile, (tile % 2) * 3 + x, (tile / 2) * 2 + y));
        ASSERT_TRUE(AppendTile(file, -20 + (tile % 2) * 3, -20 + (tile / 2) * 2, image, rowBuffer));
    }
    TileFileReader reader(file, 6);
    ASSERT_TRUE(reader.ok());
    struct Case {
        int column, row, count;
    } cases[] = {{0, 0, 3}, {1, 0, 2}, {3, 1, 3}, {5, 3, 1}, {2, 2, 1}};
    for (const Case &c : cases) {
        ASSERT_EQ(reader.ReadTileRun(c.column, c.row, rowBuffer), c.count)
            << c.column << "," << c.row;
        for (int i = 0; i < c.count; ++i) {
            const char *rgb = rowBuffer.data() + 3 * i;
            EXPECT_EQ(rgb[0], char((c.row / 2) * 2 + c.column / 3));
            EXPECT_EQ(rgb[1], char(c.column + i));
            EXPECT_EQ(rgb[2], char(c.row));
        }
    }
}

TEST(DiagramExport, TheBitmapShowsWhatTheChartAreaShowsAtEveryTile) {
    QTemporaryDir folder;
    Document doc;
    fillChart(doc);
    doc.view.ViewOriginX = -33;
    doc.view.ViewOriginY = 17;
    const QSize area(101, 70);  // an odd width pads every row
    ScrollBars bars;
    UpdateScrollBars(doc, area, bars);
    SceneInputs in;
    in.pointer = QPoint(30, 25);
    doc.settings.showGuides = true;
    RecordingProgress progress;
    const QString path = folder.filePath(QStringLiteral("chart.bmp"));

    ASSERT_TRUE(ExportDiagram(doc, doc.view, area, bars, in, path, &progress));
    EXPECT_EQ(doc.view.ViewOriginX, -33);
    EXPECT_EQ(doc.view.ViewOriginY, 17);
    EXPECT_EQ(progress.captions, (QStringList{QStringLiteral("Создание диаграммы.."),
                                              QStringLiteral("Сохранение диаграммы..")}));
    EXPECT_FALSE(progress.visible);

    const TileGrid grid = DiagramTileGrid(bars, area);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::int64_t width = grid.imageWidth();
    const std::int64_t height = grid.imageHeight();
    ASSERT_EQ(bytes.size(), BitmapFileSize(width, height));
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(u32(bytes, 2), std::uint32_t(bytes.size()));
    EXPECT_EQ(u32(bytes, 10), 54u);
    EXPECT_EQ(u32(bytes, 14), 40u);
    EXPECT_EQ(u32(bytes, 18), std::uint32_t(width));
    EXPECT_EQ(u32(bytes, 22), std::uint32_t(height));
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 26), 1);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 28), 24);
    EXPECT_EQ(bytes.mid(30, 24), QByteArray(24, '\0'));

    const int stride = int(width) * 3 + BitmapRowPadding(width);
    for (std::int64_t row = 0; row < grid.rows; ++row) {
        for (std::int64_t column = 0; column < grid.columns; ++column) {
            doc.view.ViewOriginX = -std::int32_t(grid.columnStart(column));
            doc.view.ViewOriginY = -std::int32_t(grid.rowStart(row));
            ChartCanvas tile(area);
            PaintScene(tile, doc, in);
            for (int y = 0; y < area.height(); ++y) {
                const int imageRow = int(row) * area.height() + y;
                const char *line = bytes.constData() + 54 + (height - 1 - imageRow) * stride;
                for (int x = 0; x < area.width(); ++x) {
                    const auto *bgr = reinterpret_cast<const unsigned char *>(line) +
                                      (column * area.width() + x) * 3;
                    ASSERT_EQ(TColor(bgr[2] | bgr[1] << 8 | bgr[0] << 16), tile.pixel(x, y))
                        << "tile " << column << "," << row << " pixel " << x << "," << y;
                }
            }
            EXPECT_EQ(QByteArray(bytes.constData() + 54 +
                                     (height - 1 - row * area.height()) * stride + width * 3,
                                 BitmapRowPadding(width)),
                      QByteArray(BitmapRowPadding(width), '\0'));
        }
    }
}

TEST(DiagramExport, ImpossibleImagesAndFailedWritesLeaveNoFileAndRestoreTheView) {
    QTemporaryDir folder;
    Document doc;
    fillChart(doc);
    doc.view.ViewOriginX = 12;
    doc.view.ViewOriginY = -7;
    RecordingProgress progress;
    struct Case {
        ScrollBars bars;
        QSize area;
        QString path;
        QString messagePart;
    } cases[] = {
        {barsWith(-2000000000, 2000000000, 0, 100), {800, 600}, folder.filePath("huge.bmp"), "BMP"},
        {barsWith(0, 37000, 0, 40000), {800, 600}, folder.filePath("big.bmp"), "BMP"},
        {barsWith(0, 100, 0, 100),
         {0, 0},
         folder.filePath("empty.bmp"),
         doc.messages().text(Msg::mDiagramNoArea)},
        {barsWith(0, 100, 0, 100), {80, 60}, folder.filePath("missing/folder/x.bmp"), "missing"},
    };
    for (const Case &c : cases) {
        const Status status = ExportDiagram(doc, doc.view, c.area, c.bars, {}, c.path, &progress);
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.message().contains(c.messagePart)) << status.message().toStdString();
        EXPECT_FALSE(QFile::exists(c.path));
        EXPECT_EQ(doc.view.ViewOriginX, 12);
        EXPECT_EQ(doc.view.ViewOriginY, -7);
        EXPECT_FALSE(progress.visible);
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}
