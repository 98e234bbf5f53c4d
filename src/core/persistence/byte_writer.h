#pragma once

#include <QByteArray>
#include <cstdint>
#include <string_view>

#include "text/doc_text.h"

namespace kinvarro {

/// Appends little-endian fields to a byte buffer.
class ByteWriter {
  public:
    void int32(std::int32_t value) { uint32(std::uint32_t(value)); }
    void uint32(std::uint32_t value) {
        const char b[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
        bytes_.append(b, 4);
    }
    void byte(std::uint8_t value) { bytes_.append(char(value)); }
    void boolean(bool value) { byte(value ? 1 : 0); }
    /// The string's bytes and one NUL; the caller makes sure it holds no NUL.
    void zstring(std::string_view value) {
        bytes_.append(value.data(), qsizetype(value.size()));
        bytes_.append('\0');
    }
    /// Document text (UTF-8) as Windows-1251 bytes and one NUL; a character
    /// the code page lacks becomes '?'.
    void zstringCp1251(std::string_view utf8) {
        const qsizetype start = bytes_.size();
        bytes_.resize(start + qsizetype(utf8.size()) + 1);
        char *end = writeDocTextAsCp1251(utf8, bytes_.data() + start);
        *end++ = '\0';
        bytes_.resize(end - bytes_.constData());
    }
    void raw(const QByteArray &value) { bytes_.append(value); }

    const QByteArray &bytes() const { return bytes_; }
    QByteArray &bytes() { return bytes_; }

  private:
    QByteArray bytes_;
};

}  // namespace kinvarro
