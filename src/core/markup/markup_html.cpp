#include "markup/markup_html.h"

#include <algorithm>
#include <cstdio>

#include "markup/markup_value.h"

namespace kinvarro {
namespace {

constexpr std::string_view kFaceTag = "<`F=";
constexpr std::string_view kSizeTag = "<`S=";
constexpr std::string_view kColourTag = "<`C=";

bool endsWith(const std::string &text, std::string_view tail) {
    return text.size() >= tail.size() &&
           std::string_view(text).substr(text.size() - tail.size()) == tail;
}

// Calls `onTag(value)` for every occurrence of `tagStart` (ending in '=') in
// the text as the repeated first-occurrence search meets them, and appends
// to `out` the text with each tag (through its closing ">", or to the end of
// the text) replaced by what `onTag` appended to `out`. What `out` held before
// and what `onTag` appends end in ">" or are empty, so no tag is found in them.
// When `onTag` declines the value (returns false), the tag start stays as text
// and the search goes on right after it, as the markup reader reads it.
//
// `out` holds the part already searched, which never contains `tagStart`, so
// the next occurrence of the current text either ends in `out` after the next
// character moved over, or lies in the rest. Only the tag's last character
// '=' can complete it, so whole stretches up to the next '=' are copied.
template <typename OnTag>
void replaceValueTags(std::string_view text, std::string_view tagStart, std::string &out,
                      OnTag onTag) {
    out.reserve(out.size() + text.size() + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t equals = text.find('=', i);
        if (equals == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, equals + 1 - i));
        i = equals + 1;
        if (!endsWith(out, tagStart))
            continue;
        // The characters of the tag in `out` hold no '>': it is in the rest.
        const std::size_t close = text.find('>', i);
        const std::size_t valueEnd = close == std::string_view::npos ? text.size() : close;
        out.resize(out.size() - tagStart.size());
        if (!onTag(text.substr(i, valueEnd - i))) {
            out.append(tagStart);
            continue;
        }
        i = close == std::string_view::npos ? text.size() : close + 1;
    }
}

// "<font color=#RRGGBB>" for a colour 0x00BBGGRR (higher bits ignored).
// Browsers read colours only with "#".
std::string fontElement(std::int32_t colour) {
    const std::uint32_t bgr = std::uint32_t(colour) & 0xFFFFFFu;
    const std::uint32_t rgb = ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | (bgr >> 16);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "<font color=#%.6X>", unsigned(rgb));
    return buffer;
}

constexpr std::string_view kStyleTags[] = {"<B>", "</B>", "<I>", "</I>", "<U>", "</U>"};

// Text between the font elements: the alignment tags become elements, the
// style tags pass as they are, and every other character that HTML reads as
// markup is escaped, so that no text of the user's becomes markup. The
// alignment tags cannot overlap one another and no font element can form or
// break one, so this single pass equals the repeated searches.
void appendTextAsHtml(std::string_view text, std::string &out) {
    out.reserve(out.size() + text.size() + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '&') {
            out += "&amp;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c != '<') {
            out += c;
        } else if (const std::string_view tag = text.substr(i, 3); tag == "<C>") {
            out += "<CENTER>";
            i += 3;
            continue;
        } else if (tag == "<L>" || tag == "<R>") {
            out += tag == "<L>" ? "<p align=left>" : "<p align=right>";
            i += 3;
            continue;
        } else {
            const std::string_view rest = text.substr(i);
            const auto style = std::find_if(std::begin(kStyleTags), std::end(kStyleTags),
                                            [&](std::string_view styleTag) {
                                                return rest.substr(0, styleTag.size()) == styleTag;
                                            });
            if (style == std::end(kStyleTags)) {
                out += "&lt;";
            } else {
                out += *style;
                i += style->size();
                continue;
            }
        }
        ++i;
    }
}

}  // namespace

std::string MarkupToHtml(std::string_view markup) {
    // The leading paragraph element ends in ">", so it can take no part in a
    // tag of the markup: the searches run on the markup alone.
    std::string withoutFaces;
    replaceValueTags(markup, kFaceTag, withoutFaces, [](std::string_view) { return true; });
    std::string withoutSizes;
    replaceValueTags(withoutFaces, kSizeTag, withoutSizes, [](std::string_view) { return true; });

    // The text copied since the last font element is still raw: it is turned
    // into HTML when the next element (or the end) is reached. A font element
    // ends in ">", so the search for the next tag never looks into it.
    std::string coloured = "<p align=left>";
    std::size_t rawStart = coloured.size();
    auto convertRawText = [&] {
        const std::string raw = coloured.substr(rawStart);
        coloured.resize(rawStart);
        appendTextAsHtml(raw, coloured);
    };
    int converted = 0;
    replaceValueTags(withoutSizes, kColourTag, coloured, [&](std::string_view value) {
        // A colour that is no number is no tag: its characters are text.
        const std::optional<std::int32_t> colour = parseMarkupInteger(value);
        if (!colour)
            return false;
        convertRawText();
        if (converted > 0)
            coloured += "</font>";
        coloured += fontElement(*colour);
        rawStart = coloured.size();
        ++converted;
        return true;
    });
    convertRawText();
    if (converted > 0)
        coloured += "</font>";
    return coloured;
}

}  // namespace kinvarro
