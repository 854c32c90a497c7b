#ifndef TRACKERRECORDS_H
#define TRACKERRECORDS_H

#include "host/simulator/services/telemetry/tripgenerator.h"

#include <QByteArray>
#include <QList>

#include <array>

// The tracker's own encoders for the telemetry records it stores: the
// fixed F6 (111 bytes) and F8 (128 bytes) layouts, the masked record of
// the second field-set generation (0xB0, generation 20) and the extended
// record (0xB1). Written from the record layouts as the tracker's firmware
// writes them; nothing here is shared with the plug-in's decoders.
namespace TrackerRecords {

using Mask = std::array<uint8_t, 32>;

QByteArray f8(const TripPage &page);
QByteArray f6(const TripPage &page);

// Bytes each field (by bit) takes in a masked record; 122 bits.
int fieldWidth(int bit);
Mask maskOf(const QList<int> &bits);
// The fields a fleet operator typically selects for a second-generation tracker.
Mask fleetMask();
// Every field of the second generation (bits 0..121).
Mask allFieldsMask();
QByteArray masked(const TripPage &page, const Mask &mask);

struct Dynamic
{
    uint8_t type;
    QByteArray value; // 8 bytes for types 1 and 3, 16 for type 2
};
QByteArray extended(const TripPage &page, const QList<Dynamic> &elements);

// The reply prefix before a record: 3 bytes, 13 for pages asked by time.
QByteArray prefix(int length, uint32_t number);

} // namespace TrackerRecords

#endif // TRACKERRECORDS_H
