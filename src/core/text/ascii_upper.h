#pragma once

#include <string>
#include <string_view>

namespace kinvarro {

/// Upper-cases the letters a..z and leaves every other byte alone, whatever
/// the locale: Cyrillic letters keep their case.
inline std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace kinvarro
