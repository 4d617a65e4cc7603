#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstring>

// Appending and patching the little-endian integers of binary file formats.
namespace LittleEndian {

inline void Put8(QByteArray& data, quint8 value)
{
    data.append(char(value));
}

inline void Put16(QByteArray& data, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    data.append(bytes, 2);
}

inline void Put32(QByteArray& data, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    data.append(bytes, 4);
}

inline void PutDouble(QByteArray& data, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char bytes[8];
    qToLittleEndian(bits, bytes);
    data.append(bytes, 8);
}

inline void Set16(QByteArray& data, qsizetype nOffset, quint16 value)
{
    qToLittleEndian(value, data.data() + nOffset);
}

inline void Set32(QByteArray& data, qsizetype nOffset, quint32 value)
{
    qToLittleEndian(value, data.data() + nOffset);
}

} // namespace LittleEndian
