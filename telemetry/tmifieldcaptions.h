#ifndef TMIFIELDCAPTIONS_H
#define TMIFIELDCAPTIONS_H

#include "telemetry/fieldtable.h"

#include <QList>
#include <QString>

// What the user reads beside each field of the field table, and the groups
// in which the windows show the fields. Data, not widgets: the Vela2
// display, the table view and the table file take their captions, columns
// and groups from here.
//
// A caption is a text key, followed for numbered members by their number
// ("%1 7" for the seventh RS-485 level) or name part ("%1 X" for an axis,
// "%1 GPS" for a satellite system).
class TmiFieldCaptions
{
public:
    // The caption of member index (FieldTable::member) in the host's texts.
    static QString caption(int member);
    // Its text key, and what follows the key's text ("" when nothing does).
    static const char *key(int member);
    static QString suffix(int member);

    enum Group {
        Record,              // number, event, time, state, modules, GSM level
        Navigation,
        AnalogueInputs,      // power, backup battery, analogue inputs
        InputsOutputs,
        Counters,
        Temperatures,
        Rs485,               // RS-232 and RS-485 sensors
        Can,
        ExtendedNavigation,
        Lbs,
        Tyres,
        Tachograph,
        Informer,            // driver display and route informer
        Accelerometer,
        Passengers,
        Camera,
        GroupCount
    };
    static Group group(int bit);
    static QString groupTitle(Group group);
    // The rows (bits) of a group, in the table's order.
    static QList<int> rows(Group group);
};

#endif // TMIFIELDCAPTIONS_H
