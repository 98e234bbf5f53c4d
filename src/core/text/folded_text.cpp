#include "text/folded_text.h"

#include <QChar>
#include <cstdint>

#include "text/doc_text.h"

namespace kinvarro {
namespace {

void appendUtf8(char32_t code, std::string &out) {
    if (code < 0x80) {
        out.push_back(char(code));
    } else if (code < 0x800) {
        out.push_back(char(0xC0 | (code >> 6)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(char(0xE0 | (code >> 12)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (code >> 18)));
        out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    }
}

}  // namespace

void AppendFolded(std::string_view text, std::string &out) {
    std::size_t at = 0;
    while (at < text.size()) {
        // A run of ASCII is copied at once and folded in place.
        std::size_t end = at;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
            ++end;
        if (end > at) {
            const std::size_t start = out.size();
            out.append(text.substr(at, end - at));
            for (std::size_t i = start; i < out.size(); ++i) {
                if (out[i] >= 'A' && out[i] <= 'Z')
                    out[i] = char(out[i] - 'A' + 'a');
            }
            at = end;
            continue;
        }
        const std::size_t start = at;
        const std::int32_t code = nextCodePoint(text, at);
        const char32_t folded = code < 0 ? 0 : QChar::toCaseFolded(char32_t(code));
        if (code < 0 || folded == char32_t(code))
            out.append(text.substr(start, at - start));
        else
            appendUtf8(folded, out);
    }
}

}  // namespace kinvarro
