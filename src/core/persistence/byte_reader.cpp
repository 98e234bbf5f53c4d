#include "persistence/byte_reader.h"

#include <cstring>

namespace kinvarro {

bool ByteReader::readBytes(qsizetype count, QByteArray &value) {
    const char *data;
    if (!take(count, data))
        return false;
    value = QByteArray(data, count);
    return true;
}

}  // namespace kinvarro
