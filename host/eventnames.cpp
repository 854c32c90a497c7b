#include "host/eventnames.h"

#include <QCoreApplication>

namespace {

struct EventName
{
    int code;
    const char *text;
};

// The codes a telemetry page carries most often; sorted by code.
constexpr EventName kEvents[] = {
    {0, QT_TRANSLATE_NOOP("EventNames", "Periodic record")},
    {1, QT_TRANSLATE_NOOP("EventNames", "Tracker switched on")},
    {2, QT_TRANSLATE_NOOP("EventNames", "Request from host")},
    {3, QT_TRANSLATE_NOOP("EventNames", "Ignition on")},
    {4, QT_TRANSLATE_NOOP("EventNames", "Ignition off")},
    {5, QT_TRANSLATE_NOOP("EventNames", "Input 1 changed")},
    {6, QT_TRANSLATE_NOOP("EventNames", "Input 2 changed")},
    {7, QT_TRANSLATE_NOOP("EventNames", "Input 3 changed")},
    {8, QT_TRANSLATE_NOOP("EventNames", "Analog input out of range")},
    {9, QT_TRANSLATE_NOOP("EventNames", "Main power lost")},
    {10, QT_TRANSLATE_NOOP("EventNames", "Main power restored")},
    {11, QT_TRANSLATE_NOOP("EventNames", "Backup battery low")},
    {12, QT_TRANSLATE_NOOP("EventNames", "Guard mode on")},
    {13, QT_TRANSLATE_NOOP("EventNames", "Guard mode off")},
    {14, QT_TRANSLATE_NOOP("EventNames", "Alarm")},
    {15, QT_TRANSLATE_NOOP("EventNames", "Panic button")},
    {16, QT_TRANSLATE_NOOP("EventNames", "Output 1 switched")},
    {17, QT_TRANSLATE_NOOP("EventNames", "Output 2 switched")},
    {18, QT_TRANSLATE_NOOP("EventNames", "Course changed")},
    {19, QT_TRANSLATE_NOOP("EventNames", "Distance travelled")},
    {20, QT_TRANSLATE_NOOP("EventNames", "Speed limit exceeded")},
    {21, QT_TRANSLATE_NOOP("EventNames", "Stop")},
    {22, QT_TRANSLATE_NOOP("EventNames", "Movement started")},
    {23, QT_TRANSLATE_NOOP("EventNames", "Navigation fix lost")},
    {24, QT_TRANSLATE_NOOP("EventNames", "Navigation fix found")},
    {25, QT_TRANSLATE_NOOP("EventNames", "GSM registration lost")},
    {26, QT_TRANSLATE_NOOP("EventNames", "Touch-memory key applied")},
    {27, QT_TRANSLATE_NOOP("EventNames", "Temperature out of range")},
    {28, QT_TRANSLATE_NOOP("EventNames", "Fuel level changed")},
    {29, QT_TRANSLATE_NOOP("EventNames", "Shock detected")},
    {30, QT_TRANSLATE_NOOP("EventNames", "Tilt detected")},
    {31, QT_TRANSLATE_NOOP("EventNames", "Settings changed")},
};

const EventName *lookup(int code)
{
    for (const EventName &e : kEvents) {
        if (e.code == code)
            return &e;
    }
    return nullptr;
}

} // namespace

QString EventNames::name(int code)
{
    if (const EventName *e = lookup(code))
        return QCoreApplication::translate("EventNames", e->text);
    return QCoreApplication::translate("EventNames", "Event %1").arg(code);
}

bool EventNames::isKnown(int code)
{
    return lookup(code) != nullptr;
}
