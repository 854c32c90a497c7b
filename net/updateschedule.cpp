#include "net/updateschedule.h"

#include <QRandomGenerator>

UpdateSchedule::Slot UpdateSchedule::spread(QRandomGenerator *generator)
{
    QRandomGenerator *random = generator ? generator : QRandomGenerator::system();
    Slot slot;
    slot.dayIndex = int(random->bounded(6));
    const int hour = int(random->bounded(23));
    const int minute = int(random->bounded(59));
    slot.time = QTime(hour, minute, 0);
    return slot;
}
