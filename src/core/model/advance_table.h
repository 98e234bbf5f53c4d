#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "model/tnode.h"
#include "text/doc_text.h"

namespace kinvarro {

/// A line laid out by the font: shaped, in its own direction and with glyphs
/// the face lacks taken from a face that has them.
struct ShapedLine {
    /// The chart font with shaping on, or a plainer style of it where only
    /// that has the line's glyphs.
    QFont font;
    std::int32_t width = 0;
    /// Positions are from the line's left edge with the baseline at y 0.
    QList<QGlyphRun> glyphRuns;
};

/// The advance widths of the 256 Windows-1251 characters in one chart font,
/// with its line height. Chart fonts measure and draw without kerning or
/// shaping (fontForRecord), so a line of those characters is as wide as the
/// sum of their advances and measuring a name takes a few table lookups.
/// A line with any other character is laid out whole by the font and drawn
/// from that same layout, kept here for the next time. Measuring, hit testing
/// and painting share one table per font.
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

    /// Width of one line of document text; LF characters in it take no room
    /// and it holds no CR.
    std::int32_t lineWidth(std::string_view line) const;

    /// Calls `visit` with the Windows-1251 byte of each character of a line of
    /// document text; false, having stopped, at a character the code page
    /// lacks, which only the font's layout measures and draws.
    template <class Visit>
    static bool forEachCp1251Byte(std::string_view line, Visit &&visit) {
        for (std::size_t at = 0; at < line.size();) {
            const std::size_t start = at;
            int byte = static_cast<unsigned char>(line[at]);
            if (byte < 0x80) {
                ++at;
            } else if ((byte = nextCp1251Byte(line, at)) < 0) {
                return false;
            }
            // A visitor may also take where the character starts and ends in `line`.
            if constexpr (std::is_invocable_v<Visit, unsigned char, std::size_t, std::size_t>) {
                visit(static_cast<unsigned char>(byte), start, at);
            } else {
                visit(static_cast<unsigned char>(byte));
            }
        }
        return true;
    }

    /// `line` (without LF characters) as the font lays it out.
    ShapedLine shapedLine(std::string_view line) const;
    /// Lets go of the laid-out lines kept so far.
    void forgetShapedLines() const { shapedLines_.clear(); }

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
    /// The chart font with shaping on, for lines beyond the code page.
    QFont shapingFont_;
    mutable std::unordered_map<std::string, ShapedLine> shapedLines_;
};

}  // namespace kinvarro
