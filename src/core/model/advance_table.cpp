#include "model/advance_table.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <string>
#include <unordered_map>

#include "model/chart_font.h"
#include "text/cp1251.h"

namespace kinvarro {
namespace {

// The style bits a font record draws with.
constexpr std::uint8_t kStyleBits = kStyleBold | kStyleUnderline | kStyleItalic;

struct FontKey {
    std::string name;
    std::int32_t size;
    std::uint8_t style;
    bool operator==(const FontKey &) const = default;
};

struct FontKeyHash {
    std::size_t operator()(const FontKey &key) const {
        return std::hash<std::string>{}(key.name) ^ (std::size_t(key.size) << 8) ^ key.style;
    }
};

using Tables = std::unordered_map<FontKey, std::shared_ptr<const AdvanceTable>, FontKeyHash>;

// A document rarely uses more than a few fonts, at a few zoom levels; one
// that names thousands starts the collection again rather than grow it.
constexpr std::size_t kMaxTables = 256;

// The tables hold fonts, which must go before the application does.
Tables &sharedTables() {
    static Tables *tables = [] {
        qAddPostRoutine([] { sharedTables().clear(); });
        return new Tables;
    }();
    return *tables;
}

}  // namespace

AdvanceTable::AdvanceTable(const tmyfont &record)
    : font_(fontForRecord(record)), metrics_(chartFontMetrics(font_)) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        advances_[byte] = metrics_.horizontalAdvance(fromCp1251(std::string_view(&c, 1)));
    }
    // Line ends are no part of a line.
    advances_['\r'] = 0;
    advances_['\n'] = 0;
    lineHeight_ = metrics_.height();
    ascent_ = metrics_.ascent();
}

std::shared_ptr<const AdvanceTable> AdvanceTable::of(const tmyfont &record) {
    Tables &tables = sharedTables();
    FontKey key{record.name, record.size, std::uint8_t(record.style & kStyleBits)};
    if (const auto found = tables.find(key); found != tables.end())
        return found->second;
    if (tables.size() >= kMaxTables)
        tables.clear();
    auto table = std::make_shared<const AdvanceTable>(record);
    tables.emplace(std::move(key), table);
    return table;
}

std::int32_t AdvanceTable::lineWidth(std::string_view line) const {
    // A tab reaches to the next tab stop, so its width depends on where it
    // stands: such a line is measured whole.
    if (line.find('\t') != std::string_view::npos) {
        std::string kept;
        std::copy_if(line.begin(), line.end(), std::back_inserter(kept),
                     [](char c) { return c != '\n'; });
        return metrics_.horizontalAdvance(fromCp1251(kept));
    }
    std::int64_t width = 0;
    for (const char c : line)
        width += advances_[static_cast<unsigned char>(c)];
    return std::int32_t(std::min<std::int64_t>(width, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace kinvarro
