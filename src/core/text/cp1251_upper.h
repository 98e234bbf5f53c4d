#pragma once

#include <string>
#include <string_view>

namespace kinvarro {

/// Upper-case of one Windows-1251 byte: a..z, а..я (0xE0..0xFF) and ё (0xB8);
/// every other byte is its own upper case.
inline char UpperCp1251(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return char(b - 0x20);
    if (b >= 0xE0)
        return char(b - 0x20);
    if (b == 0xB8)
        return char(0xA8);
    return c;
}

/// `text` upper-cased byte by byte.
inline std::string UpperCp1251(std::string_view text) {
    std::string upper(text);
    for (char &c : upper)
        c = UpperCp1251(c);
    return upper;
}

}  // namespace kinvarro
