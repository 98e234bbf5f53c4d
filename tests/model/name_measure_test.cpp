#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/chart_font.h"
#include "model/chart_units.h"
#include "model/name_measure.h"
#include "test_support.h"
#include "text/doc_text.h"

using namespace kinvarro;
using namespace kinvarro::test;

namespace {

// The fonts documents ask for, the last two as elements' own fonts.
const tmyfont kFaces[] = {
    {"Arial Cyr", 0, 204, 0, 0},
    {"Arial", 0, 204, 0, 0},
    {"Times New Roman", 0, 204, 0, 0},
    {"Times New Roman", 0, 204, 0, kStyleBold | kStyleItalic},
    {"Arial", 0, 204, 0, kStyleBold | kStyleItalic | kStyleUnderline},
};
const std::int32_t kPointSizes[] = {8, 10, 14};
const float kScales[] = {0.29f, 0.5f, 1.0f, 1.5f, 2.0f};

// Every face at every size and scale, as the painters ask for them.
std::vector<tmyfont> everyFont() {
    std::vector<tmyfont> fonts;
    for (const tmyfont &face : kFaces) {
        for (std::int32_t size : kPointSizes) {
            for (float scale : kScales) {
                tmyfont font = face;
                font.size = ToScreen(size, scale);
                fonts.push_back(font);
            }
        }
    }
    return fonts;
}

std::string describe(const tmyfont &font) {
    return font.name + " " + std::to_string(font.size) + " style " + std::to_string(font.style);
}

// The name measured the plain way: split as the rule says and each line
// measured whole by Qt in the same font.
NameExtent measuredByQt(std::string_view text, const QFontMetrics &metrics) {
    NameExtent extent;
    std::string line;
    auto endLine = [&] {
        extent.width = std::max(extent.width, metrics.horizontalAdvance(fromDocText(line)));
        extent.height += metrics.height();
        line.clear();
    };
    for (char c : text) {
        if (c == '\r') {
            endLine();
        } else if (c != '\n') {
            line.push_back(c);
        }
    }
    endLine();
    return extent;
}

// Names as people write them in Windows-1251 letters, with now and then any
// other character of the code page (tabs, controls, the soft hyphen) and
// every kind of line break.
class NameGenerator {
  public:
    std::string next() {
        std::string name;
        const int length = pick(1, 40);
        for (int i = 0; i < length; ++i) {
            const int kind = pick(0, 99);
            if (kind < 45) {
                name.push_back(char(pick(0xC0, 0xFF)));  // А..я
            } else if (kind < 70) {
                name.push_back(char(pick(0, 1) ? pick('A', 'Z') : pick('a', 'z')));
            } else if (kind < 80) {
                name.push_back(' ');
            } else if (kind < 90) {
                name.push_back(kPunctuation[pick(0, int(kPunctuation.size()) - 1)]);
            } else if (kind < 94) {
                name += kLineBreaks[pick(0, 2)];
            } else {
                name.push_back(char(pick(1, 255)));
            }
        }
        return docTextFromCp1251(name);
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Digits, . , - ' ( ) " ! ? ; : « » — № Ё ё.
    const std::string kPunctuation = "0123456789.,-'()\"!?;:\xAB\xBB\x97\xB9\xA8\xB8";
    const std::string kLineBreaks[3] = {"\r\n", "\r", "\n"};
    std::mt19937 random_{20261210};
};

}  // namespace

TEST(NameMeasure, ChartFontsMeasureWithoutKerningOrShapingAndWithFullHinting) {
    const QFont font = fontForRecord({"Arial Cyr", 10, 204, 0, kStyleBold});
    EXPECT_FALSE(font.kerning());
    EXPECT_TRUE(font.styleStrategy() & QFont::PreferNoShaping);
    EXPECT_EQ(font.hintingPreference(), QFont::PreferFullHinting);
}

TEST(NameMeasure, EveryCharacterAdvancesAsQtMeasuresIt) {
    for (const tmyfont &font : everyFont()) {
        const AdvanceTable &advances = *AdvanceTable::of(font);
        const QFontMetrics metrics = chartFontMetrics(fontForRecord(font));
        EXPECT_EQ(advances.lineHeight(), metrics.height()) << describe(font);
        for (int byte = 0; byte < 256; ++byte) {
            if (byte == '\r' || byte == '\n')
                continue;
            const std::string line = docTextFromCp1251(std::string(1, char(byte)));
            ASSERT_EQ(advances.lineWidth(line), metrics.horizontalAdvance(fromDocText(line)))
                << describe(font) << " byte " << byte;
        }
    }
}

TEST(NameMeasure, GeneratedNamesMeasureAsQtMeasuresTheirLines) {
    NameGenerator names;
    int multiLine = 0;
    for (const tmyfont &font : everyFont()) {
        const QFontMetrics metrics = chartFontMetrics(fontForRecord(font));
        for (int i = 0; i < 200; ++i) {
            const std::string name = names.next();
            multiLine += name.find('\r') != std::string::npos;
            ASSERT_EQ(MeasureMultiLineText(name, font), measuredByQt(name, metrics))
                << describe(font) << " name " << name;
        }
    }
    EXPECT_GT(multiLine, 1000);
}

TEST(NameMeasure, LinesFollowCarriageReturnsAndSkipLineFeeds) {
    const tmyfont font{"Arial", 10, 204, 0, 0};
    const AdvanceTable &advances = *AdvanceTable::of(font);
    const int a = advances.lineWidth("A");
    const int ab = advances.lineWidth("AB");
    const int line = advances.lineHeight();
    struct Case {
        const char *text;
        NameExtent extent;
    } cases[] = {
        {"", {0, line}},      {"A\r\nAB", {ab, 2 * line}}, {"A\r\n", {a, 2 * line}},
        {"A\nB", {ab, line}}, {"\r\r", {0, 3 * line}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MeasureMultiLineText(c.text, font), c.extent) << c.text;
}

TEST(NameMeasure, LettersDrawFromTheTableAndWhatTheLayoutHidesOrMovesDoesNot) {
    for (const tmyfont &font : everyFont()) {
        const AdvanceTable &advances = *AdvanceTable::of(font);
        for (unsigned char c : docTextToCp1251("AzЖя 1,«"))
            EXPECT_NE(advances.glyph(c), 0u) << describe(font) << " " << int(c);
        for (unsigned char c : {'\t', '\x01', '\x7F', '\x98', '\xAD'})
            EXPECT_EQ(advances.glyph(c), 0u) << describe(font) << " " << int(c);
    }
}

TEST(NameMeasure, EachFontHasOneSharedTable) {
    const tmyfont font{"Arial", 10, 204, 0x00FF00, kStyleBold};
    tmyfont otherColour = font;
    otherColour.color = 0x0000FF;
    otherColour.charset = 0;
    tmyfont italic = font;
    italic.style |= kStyleItalic;
    EXPECT_EQ(AdvanceTable::of(font), AdvanceTable::of(otherColour));
    EXPECT_NE(AdvanceTable::of(font), AdvanceTable::of(italic));
}
