#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "model/tnode.h"

namespace kinvarro {

/// The advance widths of the 256 Windows-1251 characters in one chart font,
/// with its line height. Chart fonts measure and draw without kerning or
/// shaping (fontForRecord), so a line is as wide as the sum of its
/// characters' advances and measuring a name takes a few table lookups.
/// Measuring, hit testing and painting share one table per font.
class AdvanceTable {
  public:
    explicit AdvanceTable(const tmyfont &record);

    /// The table of `record`'s face, size and style, built on first use and
    /// shared from then on. Colour and character set play no part.
    static std::shared_ptr<const AdvanceTable> of(const tmyfont &record);

    /// The font the table was measured in, for drawing.
    const QFont &font() const { return font_; }
    const QFontMetrics &metrics() const { return metrics_; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }

    /// Width of one line of Windows-1251 text; LF characters in it take no
    /// room and it holds no CR.
    std::int32_t lineWidth(std::string_view line) const;

    /// The face's own glyph of a character and its advance, so that a line
    /// can be drawn glyph by glyph without laying it out again. Glyph 0
    /// stands for characters that only the text layout places: tabs, control
    /// characters and those the face lacks.
    const QRawFont &rawFont() const { return rawFont_; }
    quint32 glyph(unsigned char c) const { return glyphs_[c]; }
    std::int32_t advance(unsigned char c) const { return advances_[c]; }

  private:
    QFont font_;
    QFontMetrics metrics_;
    std::array<std::int32_t, 256> advances_{};
    QRawFont rawFont_;
    std::array<quint32, 256> glyphs_{};
    int lineHeight_ = 0;
    int ascent_ = 0;
};

}  // namespace kinvarro
