#ifndef EVENTNAMES_H
#define EVENTNAMES_H

#include <QString>

// Names of the tracker's 16-bit event codes, as the host answers message
// 2060 in place. Codes the host does not know get "Event %1".
class EventNames
{
public:
    static QString name(int code);
    static bool isKnown(int code);
};

#endif // EVENTNAMES_H
