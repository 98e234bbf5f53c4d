#include "markup/markup_html.h"

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
// the text as the repeated first-occurrence search meets them, and
// returns the text with each tag (through its closing ">", or to the end of the
// text) replaced by what `onTag` appended to `out`.
//
// `out` holds the part already searched, which never contains `tagStart`, so
// the next occurrence of the current text either ends in `out` after the next
// character moved over, or lies in the rest. Only the tag's last character
// '=' can complete it, so whole stretches up to the next '=' are copied.
template <typename OnTag>
Status replaceValueTags(std::string_view text, std::string_view tagStart, std::string &out,
                        OnTag onTag) {
    out.clear();
    out.reserve(text.size() + 16);
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
        out.resize(out.size() - tagStart.size());
        const std::size_t close = text.find('>', i);
        const std::size_t valueEnd = close == std::string_view::npos ? text.size() : close;
        if (Status status = onTag(text.substr(i, valueEnd - i)); !status)
            return status;
        i = close == std::string_view::npos ? text.size() : close + 1;
    }
    return Status::success();
}

// "<font color=$RRGGBB>" for a colour 0x00BBGGRR (higher bits ignored).
std::string fontElement(std::int32_t colour) {
    const std::uint32_t bgr = std::uint32_t(colour) & 0xFFFFFFu;
    const std::uint32_t rgb = ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | (bgr >> 16);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "<font color=$%.6X>", unsigned(rgb));
    return buffer;
}

// Steps 5 to 7. The three tags cannot overlap one another and no replacement
// forms or breaks another, so one pass equals the three repeated searches.
std::string replaceAlignmentTags(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 64);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('<', i);
        if (open == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, open - i));
        i = open;
        const std::string_view tag = text.substr(open, 3);
        if (tag == "<C>")
            out += "<CENTER>";
        else if (tag == "<L>")
            out += "<p align=left>";
        else if (tag == "<R>")
            out += "<p align=right>";
        else {
            out += '<';
            i += 1;
            continue;
        }
        i += 3;
    }
    return out;
}

}  // namespace

Status MarkupToHtml(std::string_view markup, std::string &html) {
    std::string text = "<p align=left>";
    text.append(markup);

    std::string withoutFaces;
    (void)replaceValueTags(text, kFaceTag, withoutFaces,
                           [](std::string_view) { return Status::success(); });
    std::string withoutSizes;
    (void)replaceValueTags(withoutFaces, kSizeTag, withoutSizes,
                           [](std::string_view) { return Status::success(); });

    std::string coloured;
    int converted = 0;
    Status status =
        replaceValueTags(withoutSizes, kColourTag, coloured, [&](std::string_view value) {
            const std::optional<std::int32_t> colour = parseMarkupInteger(value);
            if (!colour)
                return notAnIntegerError(value);
            if (converted > 0)
                coloured += "</font>";
            coloured += fontElement(*colour);
            ++converted;
            return Status::success();
        });
    if (!status)
        return status;

    std::string result = replaceAlignmentTags(coloured);
    if (converted > 0)
        result += "</font>";
    html = std::move(result);
    return Status::success();
}

}  // namespace kinvarro
