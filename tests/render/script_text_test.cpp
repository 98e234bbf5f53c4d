#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <set>
#include <string>

#include "render/canvas_painter.h"
#include "render/vector_export.h"
#include "render_support.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

constexpr TColor kPaper = 0xFFFFFF;
constexpr TColor kInk = 0x000000;

struct ScriptName {
    const char *script;
    const char *name;
    /// A font of the build's packages has its letters (none has Gothic).
    bool fontInstalled;
};

const ScriptName kNames[] = {
    {"Latin", "Zoë Müller", true},
    {"Latin", "Marie-Thérèse", true},
    {"Polish", "Łucja Wójcik", true},
    {"Greek", "Σωκράτης", true},
    {"Cyrillic", "Иван Петров", true},
    {"Hebrew", "אברהם", true},
    {"Arabic", "محمد", true},
    {"Devanagari", "देवनागरी", true},
    {"Chinese", "李小龍", true},
    {"Gothic", "𐌰", false},
    {"Mixed", "Zoë Σωκράτης Иван", true},
};

const tmyfont kFonts[] = {
    {"Arial", 24, 204, kInk, 0},
    {"Times New Roman", 18, 204, kInk, kStyleBold | kStyleItalic},
};

struct InkColumns {
    int left = 0;
    int right = -1;  ///< last inked column
    bool any() const { return right >= left; }
};

InkColumns inkColumns(const ChartCanvas &canvas) {
    const PixelSet ink = inkPixels(canvas, kPaper);
    InkColumns columns{canvas.width(), -1};
    for (const auto &[x, y] : ink) {
        columns.left = std::min(columns.left, x);
        columns.right = std::max(columns.right, x);
    }
    return columns;
}

// The glyph of `character` in `font` as its character map has it, without shaping.
quint32 plainGlyph(const QRawFont &font, const QString &character) {
    const QList<quint32> glyphs = font.glyphIndexesForString(character);
    return glyphs.isEmpty() ? 0 : glyphs.first();
}

// The x position of the first glyph `glyph` of the line's runs, or -1.
double positionOfGlyph(const ShapedLine &line, quint32 glyph) {
    for (const QGlyphRun &run : line.glyphRuns) {
        const QList<quint32> glyphs = run.glyphIndexes();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            if (glyphs[i] == glyph)
                return run.positions()[i].x();
        }
    }
    return -1.0;
}

QString utf16FromHex(const QString &hex) {
    QString text;
    for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
        text += QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16)));
    return text;
}

// Every character the PDF's ToUnicode maps name as the text its glyphs show:
// what a reader copies or searches. Qt writes those maps uncompressed.
std::set<char32_t> pdfTextCharacters(const QByteArray &pdf) {
    std::set<char32_t> characters;
    auto add = [&](const QString &text) {
        for (const char32_t character : text.toUcs4())
            characters.insert(character);
    };
    const QString text = QString::fromLatin1(pdf);
    static const QRegularExpression single(QStringLiteral("beginbfchar(.*?)endbfchar"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pair(QStringLiteral("<[0-9A-Fa-f]+>\\s*<([0-9A-Fa-f]+)>"));
    for (auto section = single.globalMatch(text); section.hasNext();) {
        const QString entries = section.next().captured(1);
        for (auto entry = pair.globalMatch(entries); entry.hasNext();)
            add(utf16FromHex(entry.next().captured(1)));
    }
    static const QRegularExpression ranges(QStringLiteral("beginbfrange(.*?)endbfrange"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(<[0-9A-Fa-f]+>|\\[[^\\]]*\\])"));
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto section = ranges.globalMatch(text); section.hasNext();) {
        const QString entries = section.next().captured(1);
        for (auto entry = range.globalMatch(entries); entry.hasNext();) {
            const QRegularExpressionMatch match = entry.next();
            const QString targets = match.captured(3);
            if (targets.startsWith(QLatin1Char('['))) {
                for (auto target = hex.globalMatch(targets); target.hasNext();)
                    add(utf16FromHex(target.next().captured(1)));
                continue;
            }
            // Consecutive codes map to consecutive characters from the first.
            const uint count =
                match.captured(2).toUInt(nullptr, 16) - match.captured(1).toUInt(nullptr, 16);
            const QString first = utf16FromHex(targets.mid(1, targets.size() - 2));
            for (uint i = 0; i <= count && i < 0x10000 && first.size() == 1; ++i)
                characters.insert(char32_t(first.at(0).unicode() + i));
        }
    }
    return characters;
}

}  // namespace

TEST(ScriptText, EveryScriptIsDrawnAcrossExactlyTheWidthItWasMeasured) {
    for (const tmyfont &font : kFonts) {
        for (const ScriptName &c : kNames) {
            const std::string name = c.name;
            ChartCanvas canvas = filledCanvas(QSize(600, 120), kPaper);
            constexpr int kLeft = 100;
            int measured = 0;
            int lineHeight = 0;
            {
                CanvasPainter painter(canvas);
                painter.setFont(font);
                const MeasuredText text = painter.measureLines(name);
                ASSERT_EQ(text.lines.size(), 1u);
                measured = text.lines.front().width;
                lineHeight = text.lineHeight;
                painter.textOut(kLeft, 20, text.lines.front().text, measured);
            }
            // The ink reaches from the measured left edge to the measured right
            // edge, give or take the side bearings of the outer glyphs.
            const int bearing = lineHeight / 5;
            const InkColumns ink = inkColumns(canvas);
            if (!c.fontInstalled)
                continue;  // nothing to see but the font's empty missing-glyph box
            ASSERT_TRUE(ink.any()) << c.script;
            EXPECT_GT(measured, lineHeight / 2) << c.script;
            EXPECT_NEAR(ink.left, kLeft, bearing) << c.script << " " << font.name;
            EXPECT_NEAR(ink.right + 1, kLeft + measured, bearing) << c.script << " " << font.name;
        }
    }
}

TEST(ScriptText, LinesBeyondTheCodePageAreLaidOutWholeAndWindows1251OnesFromTheTable) {
    const AdvanceTable &advances = *AdvanceTable::of(kFonts[0]);
    for (const ScriptName &c : kNames) {
        const bool inTable = AdvanceTable::forEachCp1251Byte(c.name, [](unsigned char) {});
        EXPECT_EQ(inTable, docTextFitsCp1251(c.name)) << c.script;
        if (inTable)
            continue;
        const ShapedLine shaped = advances.shapedLine(c.name);
        EXPECT_EQ(advances.lineWidth(c.name), shaped.width) << c.script;
        ASSERT_FALSE(shaped.glyphRuns.isEmpty()) << c.script;
        if (!c.fontInstalled)
            continue;
        // Qt's font fallback found a face with every glyph: nothing is drawn as
        // a missing-glyph box.
        for (const QGlyphRun &run : shaped.glyphRuns) {
            for (const quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u)
                    << c.script << " in " << run.rawFont().familyName().toStdString();
        }
    }
}

TEST(ScriptText, RightToLeftNamesStartAtTheRightAndArabicLettersJoin) {
    const AdvanceTable &advances = *AdvanceTable::of(kFonts[0]);
    for (const char *name : {"אברהם", "محمد"}) {
        const ShapedLine shaped = advances.shapedLine(name);
        ASSERT_EQ(shaped.glyphRuns.size(), 1) << name;
        const QGlyphRun &run = shaped.glyphRuns.front();
        const QString text = fromDocText(name);
        const double last = run.positions().back().x();
        const double first = run.positions().front().x();
        // Glyphs come in visual order: the first letter is the rightmost.
        const quint32 firstLetter = plainGlyph(run.rawFont(), text.left(1));
        if (text.startsWith(QChar(0x05D0))) {
            EXPECT_EQ(positionOfGlyph(shaped, firstLetter), std::max(first, last)) << name;
        } else {
            // An initial meem is not the meem of the character map.
            EXPECT_EQ(positionOfGlyph(shaped, firstLetter), -1.0) << name;
        }
    }
}

TEST(ScriptText, DevanagariVowelSignIStandsBeforeItsConsonant) {
    const AdvanceTable &advances = *AdvanceTable::of(kFonts[0]);
    // "गि": the sign is written after the consonant and drawn before it.
    const ShapedLine shaped = advances.shapedLine("गि");
    ASSERT_EQ(shaped.glyphRuns.size(), 1);
    const QGlyphRun &run = shaped.glyphRuns.front();
    const quint32 consonant = plainGlyph(run.rawFont(), QStringLiteral("ग"));
    ASSERT_NE(consonant, 0u);
    ASSERT_EQ(run.glyphIndexes().size(), 2);
    EXPECT_EQ(run.glyphIndexes().back(), consonant);
    EXPECT_LT(run.positions().front().x(), run.positions().back().x());
}

TEST(ScriptText, TheSvgAndPdfKeepNamesOfEveryScriptAsText) {
    QTemporaryDir folder;
    Document doc;
    int x = 0;
    for (const ScriptName &c : kNames) {
        addPerson(doc, x, (x / 150) % 2 * 60, -1, -1, c.name);
        x += 150;
    }
    ScrollBars bars;
    const QSize area(400, 300);
    UpdateScrollBars(doc, area, bars);
    const QString svgPath = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(ExportVector(doc, doc.view, area, bars, svgPath, VectorFormat::Svg));
    QFile svg(svgPath);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svg.readAll());
    // A line in several scripts is written as one text element per font.
    for (const ScriptName &c : kNames) {
        if (std::string(c.script) == "Mixed")
            continue;
        EXPECT_TRUE(svgText.contains(QLatin1Char('>') + fromDocText(c.name) + QLatin1Char('<')))
            << c.script;
    }
    // Shaped Arabic and Devanagari glyphs stand for letters in context; the
    // others map back one to one.
    const QString pdfPath = folder.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(ExportVector(doc, doc.view, area, bars, pdfPath, VectorFormat::Pdf));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const std::set<char32_t> pdfText = pdfTextCharacters(pdf.readAll());
    for (const ScriptName &c : kNames) {
        const std::string script = c.script;
        if (!c.fontInstalled || script == "Arabic" || script == "Devanagari")
            continue;
        for (const char32_t character : fromDocText(c.name).toUcs4()) {
            if (character == U' ')
                continue;
            EXPECT_TRUE(pdfText.count(character))
                << c.script << " U+" << std::hex << unsigned(character);
        }
    }
}
