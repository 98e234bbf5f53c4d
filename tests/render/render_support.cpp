#include "render_support.h"

namespace kinvarro::test {

int addBox(Document &doc, int x, int y, int mother, int father, NameExtent extent) {
    tnode node;
    node.x = x;
    node.y = y;
    node.motherIndex = mother;
    node.fatherIndex = father;
    node.name = "P";
    const int index = doc.NodeTable.append(std::move(node));
    doc.NodeTable.nameExtent(index) = extent;
    return index;
}

ChartCanvas filledCanvas(QSize size, TColor color) {
    ChartCanvas canvas(size);
    canvas.image().fill(toQRgb(color));
    return canvas;
}

static PixelSet collect(const ChartCanvas &canvas, TColor color, bool equal) {
    PixelSet pixels;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if ((canvas.pixel(x, y) == color) == equal)
                pixels.insert({x, y});
        }
    }
    return pixels;
}

PixelSet inkPixels(const ChartCanvas &canvas, TColor background) {
    return collect(canvas, background, false);
}

PixelSet pixelsOf(const ChartCanvas &canvas, TColor color) {
    return collect(canvas, color, true);
}

PixelSet segmentPixels(QPoint a, QPoint b) {
    PixelSet pixels;
    const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
    for (QPoint p = a; p != b; p += step)
        pixels.insert({p.x(), p.y()});
    return pixels;
}

}  // namespace kinvarro::test
