#include "render/element_painter.h"

#include <optional>

#include "render/view_mapping.h"

namespace kinvarro {
namespace {

constexpr std::uint8_t kRecordStyleBits = kStyleBold | kStyleUnderline | kStyleItalic;

// Puts the canvas font back when an element with a font of its own is done.
class OwnFontScope {
  public:
    OwnFontScope(ChartPainter &canvas, const tmyfont &own, float scale) : canvas_(canvas) {
        if (own.isSet()) {
            saved_ = FontToRecord(canvas);
            RecordToScaledFont(own, canvas, scale);
        }
    }
    ~OwnFontScope() {
        if (saved_)
            RecordToFont(*saved_, canvas_);
    }
    OwnFontScope(const OwnFontScope &) = delete;
    OwnFontScope &operator=(const OwnFontScope &) = delete;

  private:
    ChartPainter &canvas_;
    std::optional<tmyfont> saved_;
};

void paintPerson(ChartPainter &canvas, const Document &doc, int index, PaintPass pass) {
    const tnode &node = doc.NodeTable[index];
    const DocumentSettings &s = doc.settings;
    const ViewMapping view(doc);
    const int w = BorderWidth(s);
    canvas.setPenWidth(w);
    // The shadow is the box moved 5 chart units right and down.
    const int shift = pass == PaintPass::Shadow ? 5 : 0;
    const Coord left = view.x(std::int64_t(node.x) - w - 1 + shift);
    const Coord top = view.y(std::int64_t(node.y) - w + shift);
    const Coord bottomWithoutText = view.y(std::int64_t(node.y) + w + 2 + shift);
    // Every line is as high as the next, so boxes off the canvas are skipped
    // before their text is measured; the frame reaches up to w pixels out.
    const Coord textHeight = Coord(CountLines(node.name)) * canvas.advances().lineHeight();
    if (left - w >= canvas.width() || top - w >= canvas.height() ||
        bottomWithoutText + textHeight + w <= 0)
        return;

    const MeasuredText text = canvas.measureLines(node.name);
    const NameExtent extent = text.extent();
    const Coord right = view.x(std::int64_t(node.x) + w + 3 + shift) + extent.width;
    const Coord bottom = bottomWithoutText + extent.height;
    if (pass == PaintPass::Shadow) {
        canvas.setBrushColor(s.shadowColor);
        canvas.fillRect(left, top, right, bottom, s.shadowColor);
        return;
    }

    const TColor sexFill = fillColorForSex(s, node.sex);
    TColor fill = node.ownColor != kNoOwnColor ? node.ownColor : sexFill;
    if (index == doc.view.CurrentNode || doc.NodeTable.selected(index)) {
        canvas.setPenColor(s.selectedLineColor);
        fill = sexFill;
    } else {
        canvas.setPenColor(node.sex == kSexWoman ? s.motherLineColor : s.fatherLineColor);
    }
    canvas.setBrushColor(fill);
    canvas.rectangle(left, top, right, bottom);
    canvas.setTextBackground(fill);
    DrawCenteredLines(canvas, view.x(std::int64_t(node.x) + 1), view.y(std::int64_t(node.y) + 1),
                      extent.width, text);
}

void paintHistoricalEvent(ChartPainter &canvas, const Document &doc, int index) {
    const tnode &node = doc.NodeTable[index];
    const DocumentSettings &s = doc.settings;
    const ViewMapping view(doc);
    const int w = BorderWidth(s);
    // Selected and current events stand out like selected persons do.
    const bool selected = index == doc.view.CurrentNode || doc.NodeTable.selected(index);
    canvas.setPenColor(selected                       ? s.selectedLineColor
                       : node.ownColor != kNoOwnColor ? node.ownColor
                                                      : s.timeLineColor);
    const std::int64_t penWidth = std::int64_t(node.fatherImportance) * w;
    if (penWidth == 0) {
        canvas.setPenWidth(1);
        canvas.setPenStyle(PenStyle::Dotted);
    } else {
        canvas.setPenWidth(int(view.rounded(penWidth)));
    }
    canvas.setPenGapColor(std::nullopt);

    const Coord lineY = view.y(std::int64_t(node.y) + doc.NodeTable.nameExtent(index).height / 2);
    const Coord canvasWidth = canvas.width();
    if (node.name.empty()) {
        canvas.moveTo(0, lineY);
        canvas.lineTo(canvasWidth, lineY);
    } else {
        const MeasuredText text = canvas.measureLines(node.name);
        const Coord textWidth = text.extent().width;
        tmyfont font = canvas.font();
        const TColor fontColor = font.color;
        font.color = canvas.penColor();
        canvas.setFont(font);
        canvas.setTextBackground(std::nullopt);
        canvas.moveTo(0, lineY);
        canvas.lineTo(canvasWidth - view.S(20) - textWidth, lineY);
        DrawCenteredLines(canvas, canvasWidth - view.S(15) - textWidth,
                          view.y(std::int64_t(node.y) + 1), textWidth, text);
        canvas.moveTo(canvasWidth - view.S(10), lineY);
        canvas.lineTo(canvasWidth, lineY);
        font.color = fontColor;
        canvas.setFont(font);
    }
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(w);
}

}  // namespace

tmyfont FontToRecord(const ChartPainter &canvas) {
    tmyfont record = canvas.font();
    record.style &= kRecordStyleBits;
    return record;
}

void RecordToFont(const tmyfont &record, ChartPainter &canvas) {
    tmyfont font = record;
    font.style &= kRecordStyleBits;
    canvas.setFont(font);
}

void RecordToScaledFont(const tmyfont &record, ChartPainter &canvas, float scale) {
    tmyfont font = record;
    font.style &= kRecordStyleBits;
    font.size = ToScreen(record.size, scale);
    canvas.setFont(font);
}

int BorderWidth(const DocumentSettings &settings) {
    // With no width selected (a theme can leave it so) the frames take 1 pixel,
    // as the lines do, rather than the width of whatever was drawn last.
    return settings.lineWidth == 2 || settings.lineWidth == 3 ? settings.lineWidth : 1;
}

void DrawCenteredLines(ChartPainter &canvas, Coord left, Coord top, Coord boxWidth,
                       std::string_view text) {
    DrawCenteredLines(canvas, left, top, boxWidth, canvas.measureLines(text));
}

void DrawCenteredLines(ChartPainter &canvas, Coord left, Coord top, Coord boxWidth,
                       const MeasuredText &text) {
    for (const MeasuredText::Line &line : text.lines) {
        canvas.textOut(left + (boxWidth - line.width) / 2, top, line.text, line.width);
        top += text.lineHeight;
    }
}

void PaintElement(ChartPainter &canvas, const Document &doc, int index, PaintPass pass) {
    const tnode &node = doc.NodeTable[index];
    if (!node.isPerson() && !(node.isHistoricalEvent() && pass == PaintPass::Normal))
        return;
    const OwnFontScope ownFont(canvas, node.font, doc.settings.scale);
    if (node.isPerson()) {
        paintPerson(canvas, doc, index, pass);
    } else {
        paintHistoricalEvent(canvas, doc, index);
    }
}

}  // namespace kinvarro
