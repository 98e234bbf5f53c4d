// Times the largest metafile drawing the work budget lets through, and one it
// refuses, against a plain picture of the same size: both must stay within a
// few times the plain one, whatever the records ask for.

#include <QByteArray>
#include <QImage>
#include <cstdio>

#include "bench_application.h"
#include "bench_support.h"
#include "render/wmf_picture.h"
#include "wmf_fixture.h"

using namespace kinvarro;
using namespace kinvarro::bench;
using kinvarro::test::WmfBytes;

namespace {

constexpr int kRuns = 5;
constexpr int kSide = 2048;  // units at 96 per inch: the largest picture drawn

// `rectangles` filled rectangles over the whole frame, drawn with a pen
// `pen` units wide.
QByteArray Rectangles(int rectangles, int pen) {
    WmfBytes wmf;
    wmf.record(0x020B, {0, 0});
    wmf.record(0x020C, {kSide, kSide});
    wmf.record(0x02FA, {0, pen, 0, 0, 0});
    wmf.record(0x012D, {0});
    for (int i = 0; i < rectangles; ++i)
        wmf.record(0x041B, {kSide, kSide, 0, 0});
    return wmf.placeable(kSide, kSide, 96);
}

double RenderMs(const QByteArray &bytes, bool &drawn) {
    return fastestMs(kRuns, [&] { drawn = !RenderWmf(bytes).isNull(); });
}

}  // namespace

int main(int argc, char **argv) {
    BenchApplication app(argc, argv);
    bool drawn = false;
    const double plain = RenderMs(Rectangles(1, 1), drawn);
    std::printf("one rectangle over %d x %d pixels: %s\n", kSide, kSide,
                drawn ? "drawn" : "refused");
    const struct {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"5 rectangles over the picture", Rectangles(5, 1)},
        {"1000 rectangles over the picture", Rectangles(1000, 1)},
        {"a pen a quarter of the picture wide", Rectangles(1, kSide / 4)},
    };
    for (const auto &c : cases) {
        const double ms = RenderMs(c.bytes, drawn);
        char what[80];
        std::snprintf(what, sizeof what, "%s (%s)", c.what, drawn ? "drawn" : "refused");
        printRatio(what, ms, "one rectangle", plain);
    }
    return 0;
}
