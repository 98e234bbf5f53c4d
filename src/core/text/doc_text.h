#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>

namespace kinvarro {

/// Document text is UTF-8 in std::string; these are the one conversion at the
/// Qt boundary. Invalid UTF-8 bytes become U+FFFD rather than being dropped.
QString fromDocText(std::string_view utf8);

/// UTF-8 bytes as they stand. QString::fromUtf8 drops a leading U+FEFF as a
/// byte order mark; here it stays a character, as the file's own mark has
/// been taken off before, and a text may begin with one.
QString textFromUtf8(QByteArrayView utf8);

/// The UTF-8 bytes of `text` in Normalization Form C, so that the same letter
/// typed, pasted or imported is stored, compared and searched the same way.
std::string toDocText(QStringView text);

/// Document text read from Windows-1251 bytes (older charts, ANSI files).
std::string docTextFromCp1251(std::string_view bytes);

/// True when every character of the document text has a Windows-1251 byte,
/// so that it can be written where only that code page is understood.
bool docTextFitsCp1251(std::string_view utf8);

/// The Windows-1251 bytes of document text; a character the code page lacks
/// (or an invalid byte) becomes '?'. Check docTextFitsCp1251 first where
/// nothing may be lost.
std::string docTextToCp1251(std::string_view utf8);
/// The same written at `out`, which has room for utf8.size() bytes (a
/// Windows-1251 text is never longer than its UTF-8); returns its end.
char *writeDocTextAsCp1251(std::string_view utf8, char *out);

/// `utf8` with every invalid byte sequence replaced by U+FFFD, unchanged (and
/// not copied) when it is valid: text read from a file keeps the document's
/// promise that its texts are UTF-8.
std::string validDocText(std::string utf8);

/// The code point that starts at `at` in `utf8`, moving `at` past it; -1 for
/// a byte that starts no valid sequence (then `at` moves past that one byte).
/// Inline: every text of a chart read from a file goes through it.
inline std::int32_t nextCodePoint(std::string_view utf8, std::size_t &at) {
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    if (lead < 0x80)
        return lead;
    int length = 0;
    std::int32_t code = 0;
    std::int32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return -1;
    }
    if (utf8.size() - at < std::size_t(length))
        return -1;
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[at + std::size_t(i)]);
        if ((next & 0xC0) != 0x80)
            return -1;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    at += std::size_t(length);
    return code;
}

/// The Windows-1251 byte of the character that starts at `at` in `utf8`,
/// moving `at` past it; -1 when the code page lacks the character or the bytes
/// there are not valid UTF-8. Lets a line be measured from the code page's table.
int nextCp1251Byte(std::string_view utf8, std::size_t &at);

}  // namespace kinvarro
