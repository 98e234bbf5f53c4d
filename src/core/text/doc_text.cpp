#include "text/doc_text.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <array>
#include <cstdint>

#include "text/cp1251.h"

namespace kinvarro {
namespace {

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Windows-1251 byte of each code point below U+2200 that has one (0 for none
// but U+0000), built once from the code page's own table.
const std::array<unsigned char, 0x2200> &cp1251Bytes() {
    static const std::array<unsigned char, 0x2200> table = [] {
        std::array<unsigned char, 0x2200> bytes{};
        for (int b = 1; b < 256; ++b) {
            const char c = char(b);
            const QString character = fromCp1251(std::string_view(&c, 1));
            const char16_t code = character.at(0).unicode();
            if (code < bytes.size())
                bytes[code] = static_cast<unsigned char>(b);
        }
        return bytes;
    }();
    return table;
}

// The Windows-1251 byte of `code`, or -1 when the code page has none.
int cp1251Byte(std::int32_t code) {
    if (code == 0)
        return 0;
    if (code < 0 || code >= 0x2200)
        return -1;
    const unsigned char byte = cp1251Bytes()[std::size_t(code)];
    return byte == 0 ? -1 : byte;
}

}  // namespace

QString fromDocText(std::string_view utf8) {
    return textFromUtf8(QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

QString textFromUtf8(QByteArrayView utf8) {
    constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
    if (!utf8.startsWith(kByteOrderMark))
        return QString::fromUtf8(utf8);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(utf8);
}

std::string toDocText(QStringView text) {
    // Latin-1 text is already in NFC: skip the normaliser for the common case.
    bool plain = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x300) {
            plain = false;
            break;
        }
    }
    const QByteArray utf8 =
        plain ? text.toUtf8() : text.toString().normalized(QString::NormalizationForm_C).toUtf8();
    return std::string(utf8.constData(), std::size_t(utf8.size()));
}

std::string docTextFromCp1251(std::string_view bytes) {
    return cp1251ToUtf8(bytes);
}

bool docTextFitsCp1251(std::string_view utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            ++at;
            continue;
        }
        if (cp1251Byte(nextCodePoint(utf8, at)) < 0)
            return false;
    }
    return true;
}

std::string docTextToCp1251(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    std::string bytes(utf8.size(), '\0');
    bytes.resize(std::size_t(writeDocTextAsCp1251(utf8, bytes.data()) - bytes.data()));
    return bytes;
}

char *writeDocTextAsCp1251(std::string_view utf8, char *out) {
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[at]);
        if (c < 0x80) {
            *out++ = char(c);
            ++at;
            continue;
        }
        const int byte = cp1251Byte(nextCodePoint(utf8, at));
        *out++ = byte < 0 ? '?' : char(byte);
    }
    return out;
}

std::string validDocText(std::string utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            ++at;
            continue;
        }
        if (nextCodePoint(utf8, at) < 0) {
            const QByteArray valid = fromDocText(utf8).toUtf8();
            return std::string(valid.constData(), std::size_t(valid.size()));
        }
    }
    return utf8;
}

int nextCp1251Byte(std::string_view utf8, std::size_t &at) {
    return cp1251Byte(nextCodePoint(utf8, at));
}

}  // namespace kinvarro
