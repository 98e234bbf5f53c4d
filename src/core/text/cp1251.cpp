#include "text/cp1251.h"

#include <array>

namespace kinvarro {
namespace {

// Upper half of the code page. 0x98 is unassigned in Windows-1251; it maps to
// U+0098 so that every byte survives a round trip through Unicode.
constexpr std::array<char16_t, 64> kUpperControlBlock = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char16_t toUnicode(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return char16_t(0x0410 + (byte - 0xC0));
    return kUpperControlBlock[byte - 0x80];
}

// Returns the byte for `c`, or -1 when the code page has none.
int toByte(char16_t c) {
    if (c < 0x80)
        return c;
    if (c >= 0x0410 && c <= 0x044F)
        return 0xC0 + (c - 0x0410);
    for (std::size_t i = 0; i < kUpperControlBlock.size(); ++i) {
        if (kUpperControlBlock[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

}  // namespace

QString fromCp1251(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(b)));
    return text;
}

std::string toCp1251(QStringView text, QString *unmappable) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        int b = toByte(c.unicode());
        if (b < 0) {
            if (unmappable && !unmappable->contains(c))
                unmappable->append(c);
            b = '?';
            // A character beyond the first plane is one "?", not one per half.
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
        bytes.push_back(char(b));
    }
    return bytes;
}

std::string cp1251ToUtf8(std::string_view bytes) {
    // Measured first, so that the text takes one allocation of its exact size.
    std::size_t length = 0;
    for (char b : bytes) {
        const char16_t c = toUnicode(static_cast<unsigned char>(b));
        length += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
    std::string utf8(length, '\0');
    char *out = utf8.data();
    for (char b : bytes) {
        const char16_t c = toUnicode(static_cast<unsigned char>(b));
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

bool fitsCp1251(QStringView text) {
    for (QChar c : text) {
        if (toByte(c.unicode()) < 0)
            return false;
    }
    return true;
}

}  // namespace kinvarro
