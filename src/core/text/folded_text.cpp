#include "text/folded_text.h"

#include <QChar>
#include <cstdint>

namespace kinvarro {
namespace {

// The code point of the sequence at `at` and its length in bytes; length 0
// for a byte that starts no valid sequence.
std::pair<char32_t, std::size_t> decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() - at < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, length};
}

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
        const auto [code, length] = decodeAt(text, at);
        if (length == 0) {
            out.push_back(text[at]);
            ++at;
            continue;
        }
        const char32_t folded = QChar::toCaseFolded(code);
        if (folded == code)
            out.append(text.substr(at, length));
        else
            appendUtf8(folded, out);
        at += length;
    }
}

}  // namespace kinvarro
