#include "persistence/gedcom_decoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "persistence/gedcom_ansel.h"
#include "text/ascii_upper.h"
#include "text/cp1251.h"
#include "text/doc_text.h"

namespace kinvarro {
namespace {

constexpr char32_t kNoCharacter = 0xFFFD;

bool startsWith(QByteArrayView bytes, std::string_view prefix) {
    return bytes.size() >= qsizetype(prefix.size()) &&
           std::string_view(bytes.data(), prefix.size()) == prefix;
}

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The value of "1 CHAR" in the first header record, upper-cased; empty when none.
std::string declaredCharacterSet(std::string_view text) {
    bool inHeader = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line = UpperAscii(trimmedBlanks(text.substr(start, end - start)));
        start = end + 1;
        if (line.rfind("0 ", 0) == 0) {
            if (inHeader)
                return {};
            inHeader = line.find(" HEAD") != std::string::npos;
            continue;
        }
        if (inHeader && line.rfind("1 CHAR", 0) == 0)
            return std::string(trimmedBlanks(std::string_view(line).substr(6)));
    }
    return {};
}

void append(QString &text, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        text += QChar(QChar::highSurrogate(c));
        text += QChar(QChar::lowSurrogate(c));
    } else {
        text += QChar(char16_t(c));
    }
}

QString decodeUtf8(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            text += QChar(char16_t(lead));
            ++i;
            continue;
        }
        int length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, c = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, c = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, c = lead & 0x07, least = 0x10000;
        }
        bool valid = length > 0 && i + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = data[i + k];
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        valid = valid && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        if (valid) {
            append(text, c);
            i += length;
        } else {
            text += fromCp1251(std::string_view(bytes.data() + i, 1));
            ++i;
        }
    }
    return text;
}

QString decodeUtf16(QByteArrayView bytes, bool bigEndian, long long &lost) {
    QString text;
    text.reserve(bytes.size() / 2 + 1);
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype units = bytes.size() / 2;
    auto unitAt = [&](qsizetype i) {
        const unsigned char a = data[2 * i];
        const unsigned char b = data[2 * i + 1];
        return bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
    };
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (QChar::isHighSurrogate(unit) && i + 1 < units && QChar::isLowSurrogate(unitAt(i + 1))) {
            text += QChar(unit);
            text += QChar(unitAt(++i));
        } else if (QChar::isSurrogate(unit)) {
            text += QChar(char16_t(kNoCharacter));
            ++lost;
        } else {
            text += QChar(unit);
        }
    }
    if (bytes.size() % 2 != 0) {
        text += QChar(char16_t(kNoCharacter));
        ++lost;
    }
    return text;
}

// NUL bytes in the first lines: text of 16-bit units whatever its first character.
std::optional<GedcomEncoding> utf16ByNuls(QByteArrayView bytes) {
    const qsizetype sample = std::min<qsizetype>(bytes.size(), 512) & ~qsizetype(1);
    qsizetype evenNuls = 0, oddNuls = 0;
    for (qsizetype i = 0; i < sample; i += 2) {
        evenNuls += bytes[i] == '\0';
        oddNuls += bytes[i + 1] == '\0';
    }
    const qsizetype units = sample / 2;
    if (units == 0)
        return std::nullopt;
    // ASCII text in UTF-16 has a NUL in nearly every unit, on one side.
    if (oddNuls * 2 > units && evenNuls * 8 < units)
        return GedcomEncoding::Utf16LE;
    if (evenNuls * 2 > units && oddNuls * 8 < units)
        return GedcomEncoding::Utf16BE;
    return std::nullopt;
}

bool isValidUtf8(QByteArrayView bytes, bool &hasNonAscii) {
    hasNonAscii = false;
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        hasNonAscii = true;
        int length = 0;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        if (length == 0 || i + length > size)
            return false;
        for (int k = 1; k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

bool isAsciiLetter(unsigned char b) {
    return (b | 0x20) >= 'a' && (b | 0x20) <= 'z';
}

// Cyrillic words are runs of high bytes; Western words hold single accented
// letters between ASCII ones. Ties (no high bytes at all) stay Windows-1251.
GedcomEncoding plausibleCodePage(QByteArrayView bytes) {
    long long cyrillicPairs = 0, westernNeighbours = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 1; i < bytes.size(); ++i) {
        const bool highBefore = data[i - 1] >= 0xC0, highHere = data[i] >= 0xC0;
        if (highBefore && highHere)
            ++cyrillicPairs;
        else if ((highBefore && isAsciiLetter(data[i])) || (highHere && isAsciiLetter(data[i - 1])))
            ++westernNeighbours;
    }
    return westernNeighbours > cyrillicPairs ? GedcomEncoding::Windows1252
                                             : GedcomEncoding::Windows1251;
}

bool hasHighBytes(QByteArrayView bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    }
    return false;
}

QString decodeAnsel(QByteArrayView bytes, long long &lost) {
    QString text;
    text.reserve(bytes.size());
    std::vector<char32_t> marks;  // diacritics waiting for their letter
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (isAnselCombining(b)) {
            marks.push_back(anselCharacter(b));
            continue;
        }
        if (b == '\r' || b == '\n') {
            lost += qsizetype(marks.size());
            marks.clear();
        }
        const char32_t c = anselCharacter(b);
        append(text, c == 0 ? kNoCharacter : c);
        lost += c == 0;
        for (const char32_t mark : marks)
            append(text, mark);
        marks.clear();
    }
    lost += qsizetype(marks.size());
    return text;
}

}  // namespace

GedcomEncoding detectGedcomEncoding(QByteArrayView bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return GedcomEncoding::Utf8;
    if (startsWith(bytes, "\xFF\xFE"))
        return GedcomEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return GedcomEncoding::Utf16BE;
    if (startsWith(bytes, std::string_view("0\0", 2)))
        return GedcomEncoding::Utf16LE;
    if (startsWith(bytes, std::string_view("\0"
                                           "0",
                                           2)))
        return GedcomEncoding::Utf16BE;
    if (const auto wide = utf16ByNuls(bytes))
        return *wide;
    const std::string declared = declaredCharacterSet(std::string_view(bytes.data(), bytes.size()));
    if (declared == "UTF-8" || declared == "UTF8" || declared == "UNICODE")
        return GedcomEncoding::Utf8;
    if (declared == "ANSEL")
        return GedcomEncoding::Ansel;
    bool nonAscii = false;
    if (isValidUtf8(bytes, nonAscii) && nonAscii)
        return GedcomEncoding::Utf8;
    return plausibleCodePage(bytes);
}

bool isCodePageGuess(QByteArrayView bytes, GedcomEncoding encoding) {
    // Windows-1251 is what an ANSI file has always meant here; only the
    // Western reading is news to the user.
    return encoding == GedcomEncoding::Windows1252 && hasHighBytes(bytes);
}

QString decodeGedcomText(QByteArrayView bytes, GedcomEncoding encoding, long long &lost) {
    switch (encoding) {
        case GedcomEncoding::Utf8:
            return decodeUtf8(startsWith(bytes, "\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
        case GedcomEncoding::Utf16LE:
            return decodeUtf16(startsWith(bytes, "\xFF\xFE") ? bytes.sliced(2) : bytes, false,
                               lost);
        case GedcomEncoding::Utf16BE:
            return decodeUtf16(startsWith(bytes, "\xFE\xFF") ? bytes.sliced(2) : bytes, true, lost);
        case GedcomEncoding::Ansel:
            return decodeAnsel(bytes, lost);
        case GedcomEncoding::Windows1252:
            return QStringDecoder("windows-1252")(bytes);
        case GedcomEncoding::Windows1251:
            break;
    }
    return fromCp1251(std::string_view(bytes.data(), std::size_t(bytes.size())));
}

GedcomText decodeGedcomFile(QByteArrayView bytes) {
    GedcomText result;
    result.encoding = detectGedcomEncoding(bytes);
    result.guessedCodePage = isCodePageGuess(bytes, result.encoding);
    if (result.encoding == GedcomEncoding::Windows1251) {
        // Every Windows-1251 character is composed already.
        result.text = docTextFromCp1251(std::string_view(bytes.data(), std::size_t(bytes.size())));
    } else {
        result.text = toDocText(decodeGedcomText(bytes, result.encoding, result.replaced));
    }
    // A NUL or another control character would be invisible in a name and
    // stop every later save.
    for (char &c : result.text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F) {
            c = '?';
            ++result.controls;
        }
    }
    return result;
}

}  // namespace kinvarro
