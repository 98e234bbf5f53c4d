#pragma once

#include <QSize>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "model/advance_table.h"
#include "model/tnode.h"
#include "render/text_lines.h"

class QImage;

namespace kinvarro {

/// Canvas coordinates in logical pixels. They are 64-bit so that sums of
/// saturated screen values cannot overflow; every operation clips.
using Coord = std::int64_t;

enum class PenStyle { Solid, Dotted, Dashed };

/// A wider pen already covers any canvas a screen can show; the cap keeps an
/// absurd importance or scale from a file from stalling the paint.
inline constexpr int kMaxPenWidth = 16384;

/// On-off lengths of the patterned pens, continued from segment to segment.
struct DashPattern {
    int on;
    int off;
};
inline constexpr DashPattern kDotted{3, 3};
inline constexpr DashPattern kDashed{18, 6};

/// The drawing operations the chart painters use, in the chart's pixel
/// conventions: a rectangle from (l, t) to (r, b) covers columns l..r-1 and
/// rows t..b-1, a line leaves out its end point, and a pen w pixels wide
/// covers w/2 pixels before its centre line and the rest after it. Dotted and
/// dashed pens are always one pixel wide. Pen, brush and font are plain state
/// kept here; the backends put the shapes on a raster canvas or a vector device.
class ChartPainter {
  public:
    ChartPainter(int width, int height);
    virtual ~ChartPainter();
    ChartPainter(const ChartPainter &) = delete;
    ChartPainter &operator=(const ChartPainter &) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    void setPenColor(TColor color) { penColor_ = color; }
    TColor penColor() const { return penColor_; }
    /// Widths below 1 draw 1 pixel wide, widths above kMaxPenWidth that wide.
    void setPenWidth(int width) { penWidth_ = std::clamp(width, 1, kMaxPenWidth); }
    int penWidth() const { return penWidth_; }
    void setPenStyle(PenStyle style) { penStyle_ = style; }
    PenStyle penStyle() const { return penStyle_; }
    /// Colour of the gaps of a dotted or dashed pen; none leaves them transparent.
    void setPenGapColor(std::optional<TColor> color) { penGapColor_ = color; }
    /// Fill of rectangle().
    void setBrushColor(TColor color) { brushColor_ = color; }
    TColor brushColor() const { return brushColor_; }
    /// Background of text cells; none draws text transparently.
    void setTextBackground(std::optional<TColor> color) { textBackground_ = color; }

    /// The font text is written and measured in.
    void setFont(const tmyfont &font);
    const tmyfont &font() const { return font_; }
    /// Advances and line height of the current font.
    const AdvanceTable &advances() const { return *advances_; }
    /// The lines of a multi-line name measured in the current font.
    MeasuredText measureLines(std::string_view text) const;
    /// Width and height of one line of text in the current font.
    QSize textExtent(const QString &line) const;
    /// Writes one line in the font's colour with its cell's top-left corner at
    /// (x, y), on the text background when one is set.
    virtual void textOut(Coord x, Coord y, const QString &line) = 0;
    /// As textOut, for a line of document text whose width is known.
    virtual void textOut(Coord x, Coord y, std::string_view line, int lineWidth) = 0;

    void moveTo(Coord x, Coord y);
    /// Draws from the current position to (x, y), which becomes the current one.
    void lineTo(Coord x, Coord y);
    /// A rectangle outlined with the pen and filled with the brush.
    virtual void rectangle(Coord left, Coord top, Coord right, Coord bottom) = 0;
    /// Fills columns left..right-1 and rows top..bottom-1 without an outline.
    virtual void fillRect(Coord left, Coord top, Coord right, Coord bottom, TColor color) = 0;

    /// Covers the canvas with copies of `image` from its top-left corner.
    virtual void drawTiledImage(const QImage &image) = 0;
    /// Stretches `image` over the whole canvas.
    virtual void drawStretchedImage(const QImage &image) = 0;
    /// Draws `image` unscaled at the top-left corner.
    virtual void drawImageAtOrigin(const QImage &image) = 0;

  protected:
    /// Draws the segment from the current position to (x, y) in the current pen.
    virtual void strokeTo(Coord x, Coord y) = 0;
    /// The current font has changed its face, size or style.
    virtual void fontChanged() {}
    /// Outlines a rectangle with the patterned pen, as four lines.
    void patternedFrame(Coord left, Coord top, Coord right, Coord bottom);
    /// Pattern length already used by the lines since the last moveTo.
    std::int64_t patternPhase() const { return patternPhase_; }

    Coord penX() const { return penX_; }
    Coord penY() const { return penY_; }
    std::optional<TColor> penGapColor() const { return penGapColor_; }
    std::optional<TColor> textBackground() const { return textBackground_; }

  private:
    int width_;
    int height_;

    TColor penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    std::optional<TColor> penGapColor_;
    TColor brushColor_ = 0xFFFFFF;
    std::optional<TColor> textBackground_;
    tmyfont font_;
    std::shared_ptr<const AdvanceTable> advances_;

    Coord penX_ = 0;
    Coord penY_ = 0;
    std::int64_t patternPhase_ = 0;
};

}  // namespace kinvarro
