#include "host/simulator/services/telemetry/trackerrecords.h"

#include <QDateTime>

#include <cmath>
#include <cstring>

namespace TrackerRecords {

namespace {

// Little-endian writer over a growing byte array.
class Writer
{
public:
    explicit Writer(QByteArray &out)
        : m_out(out)
    {
    }
    void u8(unsigned v) { m_out.append(char(v & 0xFF)); }
    void i8(int v) { u8(unsigned(v) & 0xFF); }
    void u16(unsigned v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i32(int32_t v) { u32(uint32_t(v)); }
    void i64(int64_t v)
    {
        u32(uint32_t(uint64_t(v) & 0xFFFFFFFFu));
        u32(uint32_t(uint64_t(v) >> 32));
    }
    void f32(float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        u32(bits);
    }
    void zeros(int n) { m_out.append(QByteArray(n, '\0')); }

private:
    QByteArray &m_out;
};

void splitTime(Writer &w, uint32_t time, bool dateFirst)
{
    const QDateTime t = QDateTime::fromSecsSinceEpoch(time, Qt::UTC);
    const QDate d = t.date();
    const QTime h = t.time();
    if (dateFirst) {
        w.u8(unsigned(d.day()));
        w.u8(unsigned(d.month() - 1));
        w.u8(unsigned(d.year() - 2000));
    } else {
        w.u8(unsigned(h.hour()));
        w.u8(unsigned(h.minute()));
        w.u8(unsigned(h.second()));
    }
}

// Field widths of the masked record, by bit.
constexpr int kWidths[122] = {
    4, 2, 4, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4, 2, 4, 4, 2, 2,       // 0..17
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2,                               // 18..27 power, reserve, analog 1..8
    1, 1, 1, 1, 4, 4, 2, 2, 4,                                  // 28..36
    2, 2, 2, 2, 2, 2, 2,                                        // 37..43 levels
    1, 1, 1, 1, 1, 1, 1, 1,                                     // 44..51 temperatures
    2, 4, 2, 1, 4, 2, 2, 2, 2, 2, 1, 1, 1, 2, 4, 2, 1,          // 52..68 CAN
    8, 2, 1, 16, 4, 2, 4, 37,                                   // 69..76 navigation, LBS
    1, 1, 1, 1, 1, 1,                                           // 77..82
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3,                               // 83..92
    6, 12, 24, 48,                                              // 93..96 tyres
    1, 1, 2, 1, 4, 4, 1, 4, 2, 6, 2, 6,                         // 97..108
    2, 2, 2, 2, 2, 2, 2, 2,                                     // 109..116 passengers
    1, 2, 2, 2, 1,                                              // 117..121
};

void writeField(Writer &w, int bit, const TripPage &p)
{
    switch (bit) {
    case 0: w.u32(p.number); break;
    case 1: w.u16(p.code); break;
    case 2: w.u32(p.time); break;
    case 3: w.u8(p.state); break;
    case 4: w.u8(p.module1); break;
    case 5: w.u8(p.module2); break;
    case 6: w.u8(p.gsm); break;
    case 7: w.u8(p.stateNGauge); break;
    case 8: w.u32(p.lastTime); break;
    case 9: w.i32(p.latitude); break;
    case 10: w.i32(p.longitude); break;
    case 11: w.i32(p.altitude); break;
    case 12: w.f32(p.speed); break;
    case 13: w.u16(p.course); break;
    case 14: w.f32(p.run); break;
    case 15: w.f32(p.way); break;
    case 16: w.u16(p.allSeconds); break;
    case 17: w.u16(p.secondsLast); break;
    case 18: w.u16(p.power); break;
    case 19: w.u16(p.reserv); break;
    case 20: case 21: case 22: w.u16(p.ain[size_t(bit - 20)]); break;
    case 28: w.u8(p.stateIn); break;
    case 30: w.u8(p.stateOut); break;
    case 32: w.u32(p.impulses1); break;
    case 33: w.u32(p.impulses2); break;
    case 34: w.u16(p.frequency1); break;
    case 35: w.u16(p.frequency2); break;
    case 36: w.u32(p.motochas); break;
    case 37: case 38: case 39: case 40: case 41: case 42: w.u16(p.levelRs485[size_t(bit - 37)]); break;
    case 43: w.u16(p.levelRs232); break;
    case 44: case 45: case 46: case 47: w.i8(p.temp[size_t(bit - 44)]); break;
    case 52: w.u16(p.canFuelLevel); break;
    case 53: w.f32(p.canFuelConsumption); break;
    case 54: w.u16(p.canEngineTurns); break;
    case 55: w.i8(p.canTemp); break;
    case 56: w.f32(p.canFullRun); break;
    case 57: case 58: case 59: case 60: case 61: w.u16(p.canAxleLoad[size_t(bit - 57)]); break;
    case 62: w.u8(p.canPedalAccel); break;
    case 63: w.u8(p.canPedalStop); break;
    case 64: w.u8(p.canEngineLoad); break;
    case 65: w.u16((p.canFuelLevel & 0x7FFF) * 10u); break;
    case 66: w.u32(p.canEngineTime); break;
    case 67: w.u16(p.canTimeTO); break;
    case 68: w.u8(p.canSpeed); break;
    case 69: for (uint8_t n : p.naviInfo) w.u8(n); break;
    case 70: w.u8(p.hdop); w.u8(p.pdop); break;
    case 71: w.u8(p.stateNGauge); break;
    case 72: w.i64(p.naviLatitude); w.i64(p.naviLongitude); break;
    case 73: w.i32(p.altitude); break;
    case 74: w.u16(uint16_t(p.course * 100u)); break;
    case 75: w.f32(p.speed); break;
    case 76: {
        // Serving cell and two neighbours of a Moscow operator.
        const uint32_t cell = 20311 + p.number % 40;
        w.u32(cell);
        const int levels[3] = {-67, -79, -88};
        for (int g = 0; g < 3; ++g) {
            w.u16(7712 + unsigned(g));         // LAC
            w.u16(250);                         // MCC: Russia
            w.u16(1);                           // MNC
            w.i8(levels[g]);
            w.u32(g < 2 ? cell + 1 + unsigned(g) : p.time); // neighbour cells, then the time of the survey
        }
        break;
    }
    // Accessories a fully equipped vehicle reports; values from the page
    // number, so that every page differs a little.
    case 23: case 24: case 25: case 26: case 27: w.u16(uint16_t(1000 * (bit - 22) + p.number % 50)); break;
    case 29: w.u8(uint8_t(p.number % 4)); break;                       // inputs 9..16
    case 31: w.u8(uint8_t(p.stateOut >> 2)); break;                    // outputs 9..16
    case 48: case 49: case 50: case 51: w.i8(int(bit - 52 + int(p.number % 5))); break; // body sensors
    case 77: case 78: case 79: case 80: case 81: case 82: w.i8(18 + bit - 77); break;
    case 83: case 84: case 85: case 86: case 87: case 88: case 89: case 90: case 91: case 92:
        w.u16(uint16_t(900 + (bit - 83) * 40 + p.number % 7));
        w.i8(15 + (bit - 83));
        break;
    case 93: case 94: case 95: case 96: {
        const int first = bit == 93 ? 1 : bit == 94 ? 3 : bit == 95 ? 7 : 15;
        for (int tyre = first; tyre < first + kWidths[bit] / 3; ++tyre) {
            w.u8(unsigned(tyre));                       // sensor number
            w.u8(unsigned(85 + tyre % 5 + p.number % 3)); // pressure, 1/10 bar
            w.i8(24 + tyre % 6);                        // temperature
        }
        break;
    }
    case 97: w.u8(0x11); break;                                        // tachograph linked, one card
    case 98: w.u8(p.speed > 0 ? 3 : 1); break;                         // driving or resting
    case 99: w.u16(0x0005); break;
    case 100: w.u8(unsigned(std::lround(p.speed))); break;
    case 101: w.u32(uint32_t(p.run)); break;
    case 102: w.u32(p.time); break;
    case 103: w.u8(unsigned(p.number % 17)); break;
    case 104: w.u32(p.number / 40); break;
    case 105: w.u16(uint16_t(12 + p.number % 30)); break;
    case 106: w.u16(uint16_t(int16_t(120 - int(p.number % 240)))); w.u16(uint16_t(int16_t(-35))); w.u16(1000); break;
    case 107: w.u16(uint16_t(1000 + p.number % 90)); break;
    case 108: w.u16(uint16_t(int16_t(40))); w.u16(uint16_t(int16_t(-38))); w.u16(uint16_t(int16_t(p.course % 90))); break;
    case 109: case 110: case 111: case 112: case 113: case 114: case 115: case 116:
        w.u8(unsigned((p.number + unsigned(bit)) % 6));              // passengers in, out at this door
        w.u8(unsigned((p.number + unsigned(bit) * 3) % 4));
        break;
    case 117: w.u8(0x05); break;
    case 118: w.u16(uint16_t(300 + p.number % 12)); break;
    case 119: w.u16(uint16_t(4800 + p.number % 25)); break;
    case 120: w.u16(81); break;
    case 121: w.u8(0x03); break;
    default:
        w.zeros(kWidths[bit]);
        break;
    }
}

} // namespace

QByteArray f8(const TripPage &p)
{
    QByteArray out;
    out.reserve(128);
    Writer w(out);
    w.u8(8);
    w.u32(p.number);
    w.u16(p.code);
    w.u32(p.time);
    w.u8(p.state);
    w.u8(p.module1);
    w.u8(p.gsm);
    w.u8(p.stateOut);
    w.u8(p.stateIn);
    w.u16(p.power);
    w.u16(p.reserv);
    for (uint16_t a : p.ain)
        w.u16(a);
    w.u32(p.impulses1);
    w.u32(p.impulses2);
    w.u16(p.frequency1);
    w.u16(p.frequency2);
    w.u32(p.motochas);
    for (uint16_t l : p.levelRs485)
        w.u16(l);
    w.u16(p.levelRs232);
    for (int8_t t : p.temp)
        w.i8(t);
    w.u8(p.stateNGauge);
    w.u32(p.lastTime);
    w.i32(p.latitude);
    w.i32(p.longitude);
    w.i32(p.altitude);
    w.f32(p.speed);
    w.u16(p.course);
    w.f32(p.run);
    w.f32(p.way);
    w.u16(p.allSeconds);
    w.u16(p.secondsLast);
    w.u16(p.canFuelLevel);
    w.f32(p.canFuelConsumption);
    w.u16(p.canEngineTurns);
    w.i8(p.canTemp);
    w.f32(p.canFullRun);
    for (uint16_t a : p.canAxleLoad)
        w.u16(a);
    w.u8(p.canPedalAccel);
    w.u8(p.canPedalStop);
    w.u8(p.canEngineLoad);
    w.u32(p.canEngineTime);
    w.u16(p.canTimeTO);
    w.u8(p.canSpeed);
    Q_ASSERT(out.size() == 128);
    return out;
}

QByteArray f6(const TripPage &p)
{
    QByteArray out;
    out.reserve(111);
    Writer w(out);
    w.u8(6);
    w.u32(p.number);
    w.u16(p.code);
    splitTime(w, p.time, false);
    splitTime(w, p.time, true);
    w.u8(p.state);
    w.u8(p.module1);
    w.u8(p.gsm);
    w.u8(p.stateOut);
    w.u8(p.stateIn);
    w.u16(p.power);
    w.u16(p.reserv);
    for (uint16_t a : p.ain)
        w.u16(a);
    w.u32(p.impulses1);
    w.u32(p.impulses2);
    w.u16(p.frequency1);
    w.u16(p.frequency2);
    w.i8(int(p.canFuelLevel & 0x7F));            // CAN fuel level, per cent
    w.u16(uint16_t(int16_t(p.canFuelConsumption))); // CAN fuel consumption, whole litres
    for (int s = 0; s < 7; ++s) {                // sensor groups: address, level
        w.u8(unsigned(s + 1));
        w.u16(s < 6 ? p.levelRs485[size_t(s)] : p.levelRs232);
    }
    for (int8_t t : p.temp)
        w.i8(t);
    w.u16(p.canAxleLoad[0]);
    w.zeros(2);
    w.u16(p.canEngineTurns);
    w.u8(p.stateNGauge);
    splitTime(w, p.lastTime, false);
    splitTime(w, p.lastTime, true);
    w.i32(p.latitude);
    w.i32(p.longitude);
    w.i32(p.altitude);
    w.f32(p.speed);
    w.u16(p.course);
    w.f32(p.run);
    w.f32(p.way);
    w.u16(p.allSeconds);
    w.u16(p.secondsLast);
    Q_ASSERT(out.size() == 111);
    return out;
}

int fieldWidth(int bit)
{
    return bit >= 0 && bit < 122 ? kWidths[bit] : 0;
}

Mask maskOf(const QList<int> &bits)
{
    Mask m{};
    for (int b : bits) {
        if (b >= 0 && b < 122)
            m[size_t(b / 8)] |= uint8_t(0x80u >> (b % 8));
    }
    return m;
}

Mask allFieldsMask()
{
    QList<int> bits;
    for (int b = 0; b < 122; ++b)
        bits << b;
    return maskOf(bits);
}

Mask fleetMask()
{
    return maskOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 28, 30, 32, 33, 34, 36, 37,
                   38, 44, 45, 46, 52, 53, 54, 55, 56, 69, 70, 71, 72, 73, 74, 75, 76});
}

QByteArray masked(const TripPage &page, const Mask &mask)
{
    QByteArray out;
    out.reserve(34 + 160);
    Writer w(out);
    w.u8(0xB0);
    w.u8(20);
    out.append(reinterpret_cast<const char *>(mask.data()), int(mask.size()));
    for (int bit = 0; bit < 122; ++bit) {
        if (mask[size_t(bit / 8)] & (0x80u >> (bit % 8)))
            writeField(w, bit, page);
    }
    return out;
}

QByteArray extended(const TripPage &p, const QList<Dynamic> &elements)
{
    QByteArray dynamicArea;
    for (const Dynamic &e : elements) {
        dynamicArea.append(char(e.type));
        dynamicArea.append(char(e.value.size()));
        dynamicArea.append(e.value);
    }
    QByteArray out;
    Writer w(out);
    w.u8(0xB1);
    w.u16(unsigned(55 + dynamicArea.size())); // bytes after this field
    w.u8(1);                                  // standard block version
    w.u8(37);
    w.u32(p.number);
    w.u16(p.code);
    w.u32(p.time);
    w.u8(p.stateNGauge);
    w.u32(p.lastTime);
    w.i32(p.latitude);
    w.i32(p.longitude);
    w.i32(p.altitude);
    w.f32(p.speed);
    w.u16(p.course);
    w.f32(p.run);
    w.u8(1);                                  // state block version
    w.u8(14);
    w.u8(p.state);
    w.u8(p.stateOut);
    w.u32(p.impulses1);
    w.u32(p.impulses2);
    w.u32(p.motochas);
    out.append(dynamicArea);
    return out;
}

QByteArray prefix(int length, uint32_t number)
{
    // Not read by the plug-in: the answer's tag and the page number, as the
    // tracker's text protocol frames them.
    QByteArray p("#T", 2);
    p.append(char(number & 0xFF));
    while (p.size() < length)
        p.append('\0');
    return p.left(length);
}

} // namespace TrackerRecords
