#ifndef TMITEXT_H
#define TMITEXT_H

#include <QtGlobal>

// Numbers of telemetry values as ASCII text, written straight into a
// caller's buffer: the one implementation of the number rules, used for the
// texts the user sees (TmiFormat) and for the bytes of export files
// (TmiTextFormat). An export of a hundred thousand pages formats several
// million values, so nothing here allocates.
namespace TmiText {

// Room a caller gives each function: enough for any value below.
constexpr int MaxText = 512;

// Each writes at p and returns the end.
char *decimal(char *p, qint64 value);
// As QString::number(value, 'f', decimals): the exact binary value rounded
// half away from zero; -0.0 has no sign.
char *fixed(char *p, double value, int decimals);
// The shortest decimal that reads back as the same double, never with an
// exponent ("37.5", "0.000001").
char *shortestFixed(char *p, double value);
// The shortest decimal that reads back as the same value; an exponent only
// below 1e-6 and from 1e15 on.
char *shortest(char *p, float value);
char *shortest(char *p, double value);
// "hh:mm:ss dd.MM.yyyy" and "dd.MM.yyyy H:mm:ss" of seconds since 1970, UTC.
char *dateTime(char *p, quint32 seconds);
char *xmlDateTime(char *p, quint32 seconds);
// "yyyy-MM-ddThh:mm:ssZ" (ISO 8601, UTC), as GPX and KML files hold times.
char *isoDateTime(char *p, quint32 seconds);
// "deg min'" of 1/600000 degree (minutes with 4 decimals) and of
// 1/600000000 degree (minutes with 7 decimals).
char *coordinate(char *p, qint32 value);
char *naviCoordinate(char *p, qint64 value);

} // namespace TmiText

#endif // TMITEXT_H
