#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>

namespace kinvarro {

/// Reads little-endian fields from a byte buffer, never past its end. After
/// the first failure every read fails, so a caller may check once per group.
class ByteReader {
  public:
    explicit ByteReader(const QByteArray &bytes) : bytes_(bytes) {}

    bool readInt32(std::int32_t &value);
    bool readUInt32(std::uint32_t &value);
    bool readByte(std::uint8_t &value);
    bool readBool(bool &value);
    /// A NUL-terminated string; fails when no NUL follows.
    bool readZString(std::string &value);
    /// `count` raw bytes; fails when fewer remain.
    bool readBytes(qsizetype count, QByteArray &value);

    bool failed() const { return failed_; }
    bool atEnd() const { return offset_ >= bytes_.size(); }
    qsizetype offset() const { return offset_; }
    qsizetype remaining() const { return bytes_.size() - offset_; }

  private:
    bool take(qsizetype count, const char *&data);

    const QByteArray &bytes_;
    qsizetype offset_ = 0;
    bool failed_ = false;
};

}  // namespace kinvarro
