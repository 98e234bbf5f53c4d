#include <gtest/gtest.h>

#include <string>

#include "hints/hint_text.h"

using namespace kinvarro;

namespace {

// A description of megabytes without blanks froze the editor on hover: the hint
// lays out only its beginning, cut between characters.
TEST(HintText, LongDescriptionsAreCutBetweenCharacters) {
    const std::string cyrillic = "\xD0\x96";  // one two-byte character
    const std::string oddPad(kMaxHintMarkupBytes - 1, 'x');
    const struct {
        const char *what;
        std::string markup;
        std::size_t shown;
        bool leftOut;
    } cases[] = {
        {"short", "Ivan, 1900", 10, false},
        {"exactly the limit", std::string(kMaxHintMarkupBytes, 'a'), kMaxHintMarkupBytes, false},
        {"one byte more", std::string(kMaxHintMarkupBytes + 1, 'a'), kMaxHintMarkupBytes, true},
        {"five megabytes", std::string(5 << 20, 'a'), kMaxHintMarkupBytes, true},
        {"a character across the limit", oddPad + cyrillic + cyrillic, kMaxHintMarkupBytes - 1,
         true},
    };
    for (const auto &c : cases) {
        const std::string_view shown = HintMarkupShown(c.markup);
        EXPECT_EQ(shown.size(), c.shown) << c.what;
        EXPECT_EQ(shown, std::string_view(c.markup).substr(0, c.shown)) << c.what;
        EXPECT_EQ(HintLeavesTextOut(c.markup), c.leftOut) << c.what;
    }
}

}  // namespace
