#ifndef TMIBYTES_H
#define TMIBYTES_H

#include "telemetry/fieldtable.h"

#include <QtEndian>

#include <cstring>

// Little-endian values at any byte address: records are packed, nothing in
// them is aligned.
namespace TmiBytes {

template<typename T>
inline T read(const quint8 *p)
{
    return qFromLittleEndian<T>(p);
}

template<typename T>
inline void write(quint8 *p, T value)
{
    qToLittleEndian<T>(value, p);
}

inline float readFloat(const quint8 *p)
{
    const quint32 bits = read<quint32>(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void writeFloat(quint8 *p, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    write<quint32>(p, bits);
}

// An integer member widened to 64 bits as its wire type says (a float reads
// as its value truncated towards zero, saturated).
qint64 readInteger(WireType type, const quint8 *p);

// Stores the low bytes of value in the member's width (floats as the value).
void writeInteger(WireType type, quint8 *p, qint64 value);

} // namespace TmiBytes

#endif // TMIBYTES_H
