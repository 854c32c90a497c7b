#include "telemetry/tmibytes.h"

#include <cmath>
#include <limits>

namespace TmiBytes {

qint64 readInteger(WireType type, const quint8 *p)
{
    switch (type) {
    case WireType::U8:
        return p[0];
    case WireType::I8:
        return qint8(p[0]);
    case WireType::U16:
        return read<quint16>(p);
    case WireType::I16:
        return read<qint16>(p);
    case WireType::U32:
        return read<quint32>(p);
    case WireType::I32:
        return read<qint32>(p);
    case WireType::I64:
        return read<qint64>(p);
    case WireType::F32: {
        const float f = readFloat(p);
        if (std::isnan(f))
            return 0;
        if (f >= 9.2e18f)
            return std::numeric_limits<qint64>::max();
        if (f <= -9.2e18f)
            return std::numeric_limits<qint64>::min();
        return qint64(f);
    }
    }
    return 0;
}

void writeInteger(WireType type, quint8 *p, qint64 value)
{
    switch (type) {
    case WireType::U8:
    case WireType::I8:
        p[0] = quint8(value);
        break;
    case WireType::U16:
    case WireType::I16:
        write<quint16>(p, quint16(value));
        break;
    case WireType::U32:
    case WireType::I32:
        write<quint32>(p, quint32(value));
        break;
    case WireType::I64:
        write<qint64>(p, value);
        break;
    case WireType::F32:
        writeFloat(p, float(value));
        break;
    }
}

} // namespace TmiBytes
