#ifndef UPDATESCHEDULE_H
#define UPDATESCHEDULE_H

#include <QTime>

class QRandomGenerator;

// When a tracker looks for new firmware. Spreading the trackers of a fleet
// over the week keeps them from all asking the update server at once.
class UpdateSchedule
{
public:
    struct Slot
    {
        int dayIndex = 0; // index in the update-day list, 0..5
        QTime time;       // 00:00 .. 22:58, whole minutes
    };

    // A random day and time from the system's random source (or the one
    // given, for tests).
    static Slot spread(QRandomGenerator *generator = nullptr);
};

#endif // UPDATESCHEDULE_H
