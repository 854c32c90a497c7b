#ifndef TMITESTPAGES_H
#define TMITESTPAGES_H

// Telemetry pages for the telemetry window's suites, made by an encoder of
// the suites' own from the record layouts (F8: 128 bytes, F6: 111 bytes,
// little-endian), so that the plug-in's decoders are checked against
// something they did not write.

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <cmath>
#include <cstring>

namespace TestPages {

struct Point
{
    quint32 number = 0;
    quint16 code = 0;
    quint32 time = 0;  // seconds since 1970, tracker time
    quint8 state = 1;  // bit 0: valid
    quint8 module1 = 0x21;
    quint8 gsm = 20;
    quint8 outputs = 0;
    quint8 inputs = 0;
    quint16 power = 12600;
    quint16 reserve = 4100;
    quint16 ain1 = 0;
    quint32 pulses1 = 0;
    quint32 pulses2 = 0;
    quint32 engineSeconds = 0;
    quint16 fuel485 = 0;
    qint8 temp1 = 20;
    quint8 navigation = 0x03 | (9 << 2); // receiver on, fix valid, 9 satellites
    qint32 latitude = 0;  // 1/600000 degree
    qint32 longitude = 0;
    qint32 altitude = 0;  // metres
    float speed = 0;
    quint16 course = 0;
    float run = 0;
    float way = 0;
    qint8 canTemp = 85;
    bool asF6 = false;   // sent as an F6 record
};

inline void put8(QByteArray &b, int offset, quint8 v)
{
    b[offset] = char(v);
}

inline void put16(QByteArray &b, int offset, quint16 v)
{
    b[offset] = char(v & 0xFF);
    b[offset + 1] = char(v >> 8);
}

inline void put32(QByteArray &b, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

inline void putFloat(QByteArray &b, int offset, float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    put32(b, offset, bits);
}

inline quint32 get32(const QByteArray &b, int offset)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b[offset + i]);
    return v;
}

inline quint16 get16(const QByteArray &b, int offset)
{
    return quint16(quint8(b[offset]) | quint8(b[offset + 1]) << 8);
}

// The 128-byte F8 record.
inline QByteArray f8(const Point &p)
{
    QByteArray b(128, '\0');
    put8(b, 0, 8);
    put32(b, 1, p.number);
    put16(b, 5, p.code);
    put32(b, 7, p.time);
    put8(b, 11, p.state);
    put8(b, 12, p.module1);
    put8(b, 13, p.gsm);
    put8(b, 14, p.outputs);
    put8(b, 15, p.inputs);
    put16(b, 16, p.power);
    put16(b, 18, p.reserve);
    put16(b, 20, p.ain1);
    put32(b, 26, p.pulses1);
    put32(b, 30, p.pulses2);
    put32(b, 38, p.engineSeconds);
    put16(b, 42, p.fuel485);
    put8(b, 56, quint8(p.temp1));
    put8(b, 60, p.navigation);
    put32(b, 61, p.time);
    put32(b, 65, quint32(p.latitude));
    put32(b, 69, quint32(p.longitude));
    put32(b, 73, quint32(p.altitude));
    putFloat(b, 77, p.speed);
    put16(b, 81, p.course);
    putFloat(b, 83, p.run);
    putFloat(b, 87, p.way);
    put16(b, 95, 0x7FFF); // CAN fuel level: no value
    put8(b, 103, quint8(p.canTemp));
    putFloat(b, 104, 1234.5f);
    put16(b, 125, 0xFFFF);
    return b;
}

// The 111-byte F6 record: split calendar bytes, month from 0, year from 2000.
inline QByteArray f6(const Point &p)
{
    QByteArray b(111, '\0');
    put8(b, 0, 6);
    put32(b, 1, p.number);
    put16(b, 5, p.code);
    const QDateTime t = QDateTime::fromSecsSinceEpoch(p.time, Qt::UTC);
    put8(b, 7, quint8(t.time().hour()));
    put8(b, 8, quint8(t.time().minute()));
    put8(b, 9, quint8(t.time().second()));
    put8(b, 10, quint8(t.date().day()));
    put8(b, 11, quint8(t.date().month() - 1));
    put8(b, 12, quint8(t.date().year() - 2000));
    put8(b, 13, p.state);
    put8(b, 14, p.module1);
    put8(b, 15, p.gsm);
    put8(b, 16, p.outputs);
    put8(b, 17, p.inputs);
    put16(b, 18, p.power);
    put16(b, 20, p.reserve);
    put16(b, 22, p.ain1);
    put32(b, 28, p.pulses1);
    put32(b, 32, p.pulses2);
    put16(b, 44, p.fuel485);
    put8(b, 64, quint8(p.temp1));
    put8(b, 74, p.navigation);
    for (int i = 0; i < 6; ++i)
        b[75 + i] = b[7 + i];
    put32(b, 81, quint32(p.latitude));
    put32(b, 85, quint32(p.longitude));
    put32(b, 89, quint32(p.altitude));
    putFloat(b, 93, p.speed);
    put16(b, 97, p.course);
    putFloat(b, 99, p.run);
    putFloat(b, 103, p.way);
    return b;
}

inline QByteArray record(const Point &p)
{
    return p.asF6 ? f6(p) : f8(p);
}

// A page answer: the reply prefix (3 bytes, or 13 for answers to 2015 and 2016), then the record.
inline QByteArray payload(const QByteArray &record, int prefix)
{
    QByteArray b(prefix, '\0');
    b[0] = '#';
    return b + record;
}

// A drive along a road: a point every 30 s, moving north-east with
// turns, speed and altitude changing, a few event codes, and every
// seventh page an F6 record.
inline QList<Point> route(int count, quint32 startTime, quint32 firstNumber)
{
    QList<Point> points;
    points.reserve(count);
    double lat = 55.75, lon = 37.5, run = 1000.0;
    for (int i = 0; i < count; ++i) {
        Point p;
        p.number = firstNumber + quint32(i);
        p.time = startTime + quint32(i) * 30;
        p.code = quint16(i % 50 == 0 ? 3 : (i % 17 == 0 ? 18 : 0));
        const double heading = 0.6 + 0.5 * std::sin(i / 40.0);
        const double speed = 40.0 + 30.0 * std::sin(i / 23.0) * std::sin(i / 23.0);
        const double km = speed * 30.0 / 3600.0;
        lat += km / 111.0 * std::cos(heading);
        lon += km / 63.0 * std::sin(heading);
        run += km;
        p.latitude = qint32(std::lround(lat * 600000.0));
        p.longitude = qint32(std::lround(lon * 600000.0));
        p.altitude = 150 + (i % 40);
        p.speed = float(speed);
        p.course = quint16(int(heading * 57.2958) % 360);
        p.run = float(run);
        p.way = float(km);
        p.power = quint16(12400 + (i % 13) * 25);
        p.inputs = quint8(i % 3 == 0 ? 0x01 : 0x05);
        p.outputs = quint8(i % 100 < 50 ? 0x01 : 0x00);
        p.pulses1 = quint32(i * 3);
        p.temp1 = qint8(10 + i % 7);
        p.engineSeconds = quint32(3600 + i * 30);
        p.asF6 = i % 7 == 3;
        points << p;
    }
    return points;
}

} // namespace TestPages

#endif // TMITESTPAGES_H
