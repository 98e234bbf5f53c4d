#include "model/advance_table.h"

#include <QCoreApplication>
#include <QImage>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
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

// Names are mostly measured one after the other in one font: it is kept at hand.
struct LastUsed {
    FontKey key{"", 0, 0};
    std::shared_ptr<const AdvanceTable> table;
};

// A document rarely uses more than a few fonts, at a few zoom levels; one
// that names thousands starts the collection again rather than grow it.
constexpr std::size_t kMaxTables = 256;

struct SharedTables {
    Tables tables;
    LastUsed last;
};

// The tables hold fonts, which must go before the application does.
SharedTables &sharedTables() {
    static SharedTables *shared = [] {
        qAddPostRoutine([] { sharedTables() = SharedTables{}; });
        return new SharedTables;
    }();
    return *shared;
}

// Laid-out lines kept by all tables together, counted in bytes so that a
// crafted chart of megabyte-long names cannot grow it without end: room for
// every line of a large chart at a zoom level or two.
constexpr std::size_t kShapedLinesBudget = std::size_t(64) << 20;
std::size_t shapedLinesBytes = 0;

// What a kept line costs: its text, and an index and a position per glyph.
std::size_t keptBytes(const std::string &text, const ShapedLine &shaped) {
    std::size_t bytes = sizeof(ShapedLine) + 2 * text.size();
    for (const QGlyphRun &run : shaped.glyphRuns)
        bytes += sizeof(QGlyphRun) +
                 std::size_t(run.glyphIndexes().size()) * (sizeof(quint32) + sizeof(QPointF));
    return bytes;
}

std::string withoutLineFeeds(std::string_view line) {
    std::string kept;
    std::copy_if(line.begin(), line.end(), std::back_inserter(kept),
                 [](char c) { return c != '\n'; });
    return kept;
}

// One line as `font` lays it out on the 96-dpi device the tables measure on:
// no wrapping, the direction of its first strong letter, trailing spaces
// counted, and the line starting at x 0 whichever way it runs.
ShapedLine layOutLine(const QString &text, const QFont &font) {
    static const QImage metricDevice(1, 1, QImage::Format_RGB32);
    QTextLayout layout(text, font, &metricDevice);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedLine shaped;
    shaped.font = font;
    if (!line.isValid())
        return shaped;
    constexpr double kWidest = std::numeric_limits<std::int32_t>::max();
    shaped.width = std::int32_t(std::min(std::ceil(line.naturalTextWidth()), kWidest));
    // The baseline goes where the table's lines have theirs.
    const QPointF toBaseline(0.0, -(line.y() + line.ascent()));
    shaped.glyphRuns = layout.glyphRuns();
    for (QGlyphRun &run : shaped.glyphRuns) {
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position += toBaseline;
        run.setPositions(positions);
    }
    return shaped;
}

qsizetype missingGlyphs(const ShapedLine &line) {
    qsizetype missing = 0;
    for (const QGlyphRun &run : line.glyphRuns) {
        const QList<quint32> glyphs = run.glyphIndexes();
        missing += std::count(glyphs.begin(), glyphs.end(), 0u);
    }
    return missing;
}

// Qt chooses a fallback face by its family, so a family with a script only in
// its regular face leaves bold or italic names in that script as empty boxes:
// such a line is laid out again in plainer styles and drawn as found best.
ShapedLine layOutWithGlyphs(const QString &text, const QFont &font) {
    ShapedLine best = layOutLine(text, font);
    qsizetype missing = missingGlyphs(best);
    const bool plainerStyles[][2] = {{font.bold(), false}, {false, font.italic()}, {false, false}};
    for (const auto &[bold, italic] : plainerStyles) {
        if (missing == 0)
            break;
        if (bold == font.bold() && italic == font.italic())
            continue;
        QFont plainer = font;
        plainer.setBold(bold);
        plainer.setItalic(italic);
        ShapedLine shaped = layOutLine(text, plainer);
        if (const qsizetype left = missingGlyphs(shaped); left < missing) {
            best = std::move(shaped);
            missing = left;
        }
    }
    return best;
}

}  // namespace

AdvanceTable::AdvanceTable(const tmyfont &record)
    : font_(fontForRecord(record)),
      metrics_(chartFontMetrics(font_)),
      rawFont_(QRawFont::fromFont(font_)),
      shapingFont_(font_) {
    shapingFont_.setStyleStrategy(QFont::PreferDefault);
    lineHeight_ = metrics_.height();
    ascent_ = metrics_.ascent();

    QString characters;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        characters += fromCp1251(std::string_view(&c, 1));
    }
    // The face's glyphs are measured in one call; the text layout is asked
    // only about the characters it handles itself, which is slower by far.
    QList<quint32> glyphs = rawFont_.glyphIndexesForString(characters);
    if (glyphs.size() != characters.size())
        glyphs.fill(0, characters.size());
    const QList<QPointF> glyphAdvances =
        rawFont_.advancesForGlyphIndexes(glyphs, QRawFont::SeparateAdvances);
    for (int byte = 0; byte < 256; ++byte) {
        // The layout hides control characters and the soft hyphen, moves to
        // the next tab stop at a tab and takes a lacking glyph from another face.
        const bool hidden = byte < 0x20 || byte == 0x7F || byte == 0x98 || byte == 0xAD;
        const QPointF glyphAdvance = glyphAdvances.value(byte);
        const bool ownGlyph = glyphs[byte] != 0 && !hidden && glyphAdvance.y() == 0 &&
                              glyphAdvance.x() == std::round(glyphAdvance.x());
        if (ownGlyph) {
            glyphs_[byte] = glyphs[byte];
            advances_[byte] = std::int32_t(glyphAdvance.x());
        } else {
            // As a one-character string: the layout's width, not the glyph box's.
            advances_[byte] = metrics_.horizontalAdvance(QString(characters.at(byte)));
        }
    }
    // Line ends are no part of a line.
    advances_['\r'] = 0;
    advances_['\n'] = 0;
}

std::shared_ptr<const AdvanceTable> AdvanceTable::of(const tmyfont &record) {
    SharedTables &shared = sharedTables();
    const std::uint8_t style = record.style & kStyleBits;
    LastUsed &last = shared.last;
    if (last.table && last.key.size == record.size && last.key.style == style &&
        last.key.name == record.name)
        return last.table;
    FontKey key{record.name, record.size, style};
    auto found = shared.tables.find(key);
    if (found == shared.tables.end()) {
        if (shared.tables.size() >= kMaxTables)
            shared.tables.clear();
        found = shared.tables.emplace(key, std::make_shared<const AdvanceTable>(record)).first;
    }
    last = LastUsed{std::move(key), found->second};
    return last.table;
}

std::int32_t AdvanceTable::lineWidth(std::string_view line) const {
    std::int64_t width = 0;
    if (!forEachCp1251Byte(line, [&](unsigned char byte) { width += advances_[byte]; }))
        return shapedLine(line).width;
    // A tab reaches to the next tab stop, so its width depends on where it
    // stands: such a line is measured whole.
    if (line.find('\t') != std::string_view::npos)
        return metrics_.horizontalAdvance(fromDocText(withoutLineFeeds(line)));
    return std::int32_t(std::min<std::int64_t>(width, std::numeric_limits<std::int32_t>::max()));
}

ShapedLine AdvanceTable::shapedLine(std::string_view line) const {
    std::string text = withoutLineFeeds(line);
    if (const auto found = shapedLines_.find(text); found != shapedLines_.end())
        return found->second;
    ShapedLine shaped = layOutWithGlyphs(fromDocText(text), shapingFont_);
    const std::size_t bytes = keptBytes(text, shaped);
    if (bytes > kShapedLinesBudget)
        return shaped;  // laid out again when needed rather than crowd out the rest
    if (shapedLinesBytes + bytes > kShapedLinesBudget) {
        for (const auto &[key, table] : sharedTables().tables)
            table->forgetShapedLines();
        forgetShapedLines();
        shapedLinesBytes = 0;
    }
    shapedLines_.emplace(std::move(text), shaped);
    shapedLinesBytes += bytes;
    return shaped;
}

}  // namespace kinvarro
