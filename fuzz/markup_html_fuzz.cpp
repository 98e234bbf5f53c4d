// Any markup to HTML: every "<" in the output begins a tag the converter makes
// or passes on, so no "<" from the text reaches the page unescaped.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "markup/markup_html.h"

using namespace kinvarro;

namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// The length of the tag the converter writes at `at`, or 0.
std::size_t KnownTag(std::string_view html, std::size_t at) {
    static constexpr std::array<std::string_view, 10> kTags = {"<B>",
                                                               "</B>",
                                                               "<I>",
                                                               "</I>",
                                                               "<U>",
                                                               "</U>",
                                                               "<CENTER>",
                                                               "<p align=left>",
                                                               "<p align=right>",
                                                               "</font>"};
    const std::string_view rest = html.substr(at);
    for (std::string_view tag : kTags) {
        if (rest.starts_with(tag))
            return tag.size();
    }
    constexpr std::string_view kFont = "<font color=#";
    if (rest.starts_with(kFont) && rest.size() >= kFont.size() + 7 &&
        rest[kFont.size() + 6] == '>') {
        for (std::size_t i = 0; i < 6; ++i) {
            if (!IsHex(rest[kFont.size() + i]))
                return 0;
        }
        return kFont.size() + 7;
    }
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view markup(reinterpret_cast<const char *>(data), size);
    const std::string html = MarkupToHtml(markup);
    int openFonts = 0;
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        const std::size_t tag = KnownTag(html, at);
        if (tag == 0)
            fuzz::Broken("a \"<\" from the text is not escaped");
        if (html.compare(at, 5, "<font") == 0)
            ++openFonts;
        else if (html.compare(at, 7, "</font>") == 0 && --openFonts < 0)
            fuzz::Broken("a font closed that was never opened");
    }
    if (openFonts != 0)
        fuzz::Broken("a font left open");
    return 0;
}
