#include "render/measure_cache.h"

namespace kinvarro {
namespace {

// Enough for every name of a full table at a few zoom levels; beyond it the
// cache starts again rather than grow without bound.
constexpr std::size_t kMaxEntries = 4 * kMaxNodes;

}  // namespace

std::size_t MeasureCache::FontKeyHash::operator()(const FontKey &key) const {
    return std::hash<std::string>{}(key.name) ^ (std::size_t(key.size) << 8) ^ key.style;
}

const MeasuredText &MeasureCache::measure(const tmyfont &font, const QFontMetrics &metrics,
                                          std::string_view text) {
    if (!lastTexts_ || font.name != lastFont_.name || font.size != lastFont_.size ||
        font.style != lastFont_.style) {
        lastFont_ = FontKey{font.name, font.size, font.style};
        lastTexts_ = &fonts_[lastFont_];
    }
    Texts &texts = *lastTexts_;
    if (const auto found = texts.find(text); found != texts.end())
        return found->second;
    if (entries_ >= kMaxEntries) {
        for (auto &[key, other] : fonts_)
            other.clear();
        entries_ = 0;
    }
    ++entries_;
    return texts.emplace(std::string(text), MeasureLines(text, metrics)).first->second;
}

}  // namespace kinvarro
