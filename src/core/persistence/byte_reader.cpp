#include "persistence/byte_reader.h"

#include <cstring>

namespace kinvarro {

bool ByteReader::take(qsizetype count, const char *&data) {
    if (failed_ || count < 0 || count > remaining()) {
        failed_ = true;
        return false;
    }
    data = bytes_.constData() + offset_;
    offset_ += count;
    return true;
}

bool ByteReader::readUInt32(std::uint32_t &value) {
    const char *data;
    if (!take(4, data))
        return false;
    const auto *b = reinterpret_cast<const unsigned char *>(data);
    value = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
            std::uint32_t(b[3]) << 24;
    return true;
}

bool ByteReader::readInt32(std::int32_t &value) {
    std::uint32_t raw;
    if (!readUInt32(raw))
        return false;
    value = std::int32_t(raw);
    return true;
}

bool ByteReader::readByte(std::uint8_t &value) {
    const char *data;
    if (!take(1, data))
        return false;
    value = std::uint8_t(*data);
    return true;
}

bool ByteReader::readBool(bool &value) {
    std::uint8_t byte;
    if (!readByte(byte))
        return false;
    value = byte != 0;
    return true;
}

bool ByteReader::readZString(std::string &value) {
    if (failed_)
        return false;
    const char *start = bytes_.constData() + offset_;
    const void *nul = std::memchr(start, 0, std::size_t(remaining()));
    if (!nul) {
        failed_ = true;
        return false;
    }
    const qsizetype length = static_cast<const char *>(nul) - start;
    value.assign(start, std::size_t(length));
    offset_ += length + 1;
    return true;
}

bool ByteReader::readBytes(qsizetype count, QByteArray &value) {
    const char *data;
    if (!take(count, data))
        return false;
    value = QByteArray(data, count);
    return true;
}

}  // namespace kinvarro
