#include "render/diagram_bitmap.h"

#include <QSaveFile>
#include <QtEndian>
#include <utility>

#include "prompts/progress_display.h"
#include "render/diagram_tiles.h"
#include "settings/message_table.h"
#include "settings/write_cause.h"

namespace kinvarro {
namespace {

constexpr int kHeaderSize = 54;
constexpr int kInfoHeaderSize = 40;

}  // namespace

int BitmapRowPadding(std::int64_t width) {
    return int((4 - (width * 3) % 4) % 4);
}

std::int64_t BitmapFileSize(std::int64_t width, std::int64_t height) {
    return kHeaderSize + height * (width * 3 + BitmapRowPadding(width));
}

std::array<char, 54> BitmapHeader(std::int32_t width, std::int32_t height) {
    std::array<char, kHeaderSize> header{};
    char *h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<std::uint32_t>(std::uint32_t(BitmapFileSize(width, height)), h + 2);
    qToLittleEndian<std::uint32_t>(kHeaderSize, h + 10);
    qToLittleEndian<std::uint32_t>(kInfoHeaderSize, h + 14);
    qToLittleEndian<std::int32_t>(width, h + 18);
    qToLittleEndian<std::int32_t>(height, h + 22);  // positive: rows bottom-up
    qToLittleEndian<std::uint16_t>(1, h + 26);      // planes
    qToLittleEndian<std::uint16_t>(24, h + 28);     // bits per pixel
    return header;
}

Status WriteDiagramBitmap(QIODevice &tileFile, const QString &destination, std::int32_t width,
                          std::int32_t height, const ExportGauge &gauge,
                          const MessageTable &messages) {
    ClearSystemCause();
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        return Status::failure(
            FileProblemText(messages, Msg::mCannotWrite, destination, WriteCause(messages, out)));
    }
    const std::array<char, kHeaderSize> header = BitmapHeader(width, height);
    bool written = out.write(header.data(), kHeaderSize) == kHeaderSize;
    if (gauge.display)
        gauge.display->show(messages.text(Msg::mSavingDiagram), gauge.minimum, gauge.maximum);

    TileFileReader tiles(tileFile, width);
    if (!tiles.ok())
        return Status::failure(messages.text(Msg::mTileFileProblem).arg(tileFile.errorString()));
    const char padding[3] = {0, 0, 0};
    const int paddingSize = BitmapRowPadding(width);
    std::vector<char> rowBuffer;
    for (std::int32_t row = height - 1; row >= 0 && written; --row) {
        if (gauge.display)
            gauge.display->setPosition(gauge.maximum - row);
        for (std::int32_t column = 0; column < width && written;) {
            const int count = tiles.ReadTileRun(column, row, rowBuffer);
            if (count == 0)
                return Status::failure(
                    messages.text(Msg::mTileFileProblem).arg(tileFile.errorString()));
            for (int i = 0; i < count; ++i)
                std::swap(rowBuffer[std::size_t(i) * 3], rowBuffer[std::size_t(i) * 3 + 2]);
            written = out.write(rowBuffer.data(), qint64(count) * 3) == qint64(count) * 3;
            column += count;
        }
        written = written && out.write(padding, paddingSize) == paddingSize;
    }
    if (!written || !CommitSave(out))
        return Status::failure(
            FileProblemText(messages, Msg::mCannotWrite, destination, WriteCause(messages, out)));
    return Status::success();
}

}  // namespace kinvarro
