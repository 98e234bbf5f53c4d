#pragma once

#include <QByteArrayView>
#include <QtEndian>

namespace kinvarro {

/// The 16-bit and 32-bit little-endian values at byte `at` of a picture
/// file; the caller has checked that they lie inside it.
inline quint16 Word(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

inline quint32 DoubleWord(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

}  // namespace kinvarro
