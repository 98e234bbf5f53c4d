#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kinvarro {

/// Reads little-endian fields from a byte buffer, never past its end. After
/// the first failure every read fails, so a caller may check once per group.
class ByteReader {
  public:
    explicit ByteReader(const QByteArray &bytes) : bytes_(bytes) {}

    // The field readers are inline: a chart of 10000 elements has 200000 fields.
    bool readInt32(std::int32_t &value) {
        std::uint32_t raw;
        if (!readUInt32(raw))
            return false;
        value = std::int32_t(raw);
        return true;
    }
    bool readUInt32(std::uint32_t &value) {
        const char *data;
        if (!take(4, data))
            return false;
        const auto *b = reinterpret_cast<const unsigned char *>(data);
        value = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                std::uint32_t(b[3]) << 24;
        return true;
    }
    bool readByte(std::uint8_t &value) {
        const char *data;
        if (!take(1, data))
            return false;
        value = std::uint8_t(*data);
        return true;
    }
    bool readBool(bool &value) {
        std::uint8_t byte;
        if (!readByte(byte))
            return false;
        value = byte != 0;
        return true;
    }
    /// A NUL-terminated string; fails when no NUL follows.
    bool readZString(std::string &value) {
        std::string_view view;
        if (!readZString(view))
            return false;
        value.assign(view);
        return true;
    }
    /// The same without a copy: `value` points into the buffer.
    bool readZString(std::string_view &value) {
        if (failed_)
            return false;
        const char *start = bytes_.constData() + offset_;
        const void *nul = std::memchr(start, 0, std::size_t(remaining()));
        if (!nul) {
            failed_ = true;
            return false;
        }
        value = std::string_view(start, std::size_t(static_cast<const char *>(nul) - start));
        offset_ += qsizetype(value.size()) + 1;
        return true;
    }
    /// `count` raw bytes; fails when fewer remain.
    bool readBytes(qsizetype count, QByteArray &value);

    bool failed() const { return failed_; }
    bool atEnd() const { return offset_ >= bytes_.size(); }
    qsizetype offset() const { return offset_; }
    qsizetype remaining() const { return bytes_.size() - offset_; }

  private:
    bool take(qsizetype count, const char *&data) {
        if (failed_ || count < 0 || count > remaining()) {
            failed_ = true;
            return false;
        }
        data = bytes_.constData() + offset_;
        offset_ += count;
        return true;
    }

    const QByteArray &bytes_;
    qsizetype offset_ = 0;
    bool failed_ = false;
};

}  // namespace kinvarro
