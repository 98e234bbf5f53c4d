#pragma once

#include <QFontMetrics>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/tnode.h"
#include "render/text_lines.h"

namespace kinvarro {

/// Names measured line by line, per font, kept from paint to paint. Measuring
/// a name costs about as much as drawing it, every paint measures every
/// visible name in the font it draws it in, and repaints mostly show the same
/// names. Results are those of measuring afresh.
class MeasureCache {
  public:
    /// The lines of `text` in `font`, whose metrics are `metrics`.
    const MeasuredText &measure(const tmyfont &font, const QFontMetrics &metrics,
                                std::string_view text);

  private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    using Texts = std::unordered_map<std::string, MeasuredText, StringHash, std::equal_to<>>;
    struct FontKey {
        std::string name;
        std::int32_t size;
        std::uint8_t style;
        bool operator==(const FontKey &) const = default;
    };
    struct FontKeyHash {
        std::size_t operator()(const FontKey &key) const;
    };

    std::unordered_map<FontKey, Texts, FontKeyHash> fonts_;
    std::size_t entries_ = 0;
    // A paint measures mostly in one font: its texts are kept at hand.
    FontKey lastFont_{"", 0, 0};
    Texts *lastTexts_ = nullptr;
};

}  // namespace kinvarro
