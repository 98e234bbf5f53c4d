#include "render/diagram_png.h"

#include <png.h>

#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <vector>

#include "prompts/progress_display.h"
#include "render/diagram_tiles.h"
#include "settings/message_table.h"
#include "settings/write_cause.h"

namespace kinvarro {
namespace {

// Charts are mostly flat colour; the fastest compression already shrinks
// them to a few per cent and keeps the export near the bitmap's speed.
constexpr int kCompressionLevel = 1;

enum class RowsResult { Written, TilesFailed, PngFailed };

struct Sink {
    QSaveFile *out;
    bool failed;
    int cause;  ///< the system's reason of the failed write, read at once
};

void writeData(png_structp png, png_bytep data, png_size_t length) {
    auto *sink = static_cast<Sink *>(png_get_io_ptr(png));
    if (sink->failed)
        return;
    sink->failed =
        sink->out->write(reinterpret_cast<const char *>(data), qint64(length)) != qint64(length);
    if (sink->failed)
        sink->cause = errno;
}

void flushData(png_structp) {}

// libpng reports errors by a long jump to this function's setjmp, so nothing
// here owns a resource that needs its destructor run.
RowsResult writeRows(png_structp png, png_infop info, TileFileReader &tiles, std::int32_t width,
                     std::int32_t height, const ExportGauge &gauge, std::vector<char> &row,
                     std::vector<char> &run) {
    if (setjmp(png_jmpbuf(png)))
        return RowsResult::PngFailed;
    // libpng's own limit of a million pixels guards its reader; a PNG holds 2^31 - 1.
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    for (std::int32_t y = 0; y < height; ++y) {
        if (gauge.display)
            gauge.display->setPosition(
                gauge.minimum + int(std::int64_t(gauge.maximum - gauge.minimum) * y / height));
        for (std::int32_t x = 0; x < width;) {
            const int count = tiles.ReadTileRun(x, y, run);
            if (count == 0)
                return RowsResult::TilesFailed;
            std::memcpy(row.data() + std::size_t(x) * 3, run.data(), std::size_t(count) * 3);
            x += count;
        }
        png_write_row(png, reinterpret_cast<png_const_bytep>(row.data()));
    }
    png_write_end(png, info);
    return RowsResult::Written;
}

}  // namespace

Status WriteDiagramPng(QIODevice &tileFile, const QString &destination, std::int32_t width,
                       std::int32_t height, const ExportGauge &gauge,
                       const MessageTable &messages) {
    const auto tileProblem = [&] {
        return Status::failure(messages.text(Msg::mTileFileProblem).arg(tileFile.errorString()));
    };
    const auto writeProblem = [&](const QSaveFile &out) {
        return Status::failure(
            FileProblemText(messages, Msg::mCannotWrite, destination, WriteCause(messages, out)));
    };
    TileFileReader tiles(tileFile, width);
    if (!tiles.ok() || width <= 0 || height <= 0)
        return tileProblem();
    ClearSystemCause();
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return writeProblem(out);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return Status::failure(messages.text(Msg::mNotEnoughResources));
    }
    Sink sink{&out, false, 0};
    png_set_write_fn(png, &sink, writeData, flushData);
    std::vector<char> row(std::size_t(width) * 3);
    std::vector<char> run;
    const RowsResult result = writeRows(png, info, tiles, width, height, gauge, row, run);
    png_destroy_write_struct(&png, &info);
    if (result == RowsResult::TilesFailed)
        return tileProblem();
    if (sink.failed)
        return Status::failure(FileProblemText(messages, Msg::mCannotWrite, destination,
                                               WriteCause(messages, out, sink.cause)));
    if (result == RowsResult::PngFailed || !CommitSave(out))
        return writeProblem(out);
    return Status::success();
}

}  // namespace kinvarro
