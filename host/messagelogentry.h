#ifndef MESSAGELOGENTRY_H
#define MESSAGELOGENTRY_H

#include "host/pluginmessage.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>

// One message in either direction, as the message log shows it.
struct MessageLogEntry
{
    QDateTime time;
    PluginMessage message;  // the parameters as copied (host -> plug-in: after the call)
    QString name;           // short name from the catalogue, "unknown" otherwise
    QString parameters;     // the rendered parameter column
    QString note;           // what the host did with it (answered in place, no service, ...)

    HostMessages::Direction direction() const { return message.direction; }
    uint32_t msgId() const { return message.msgId; }
};

Q_DECLARE_METATYPE(MessageLogEntry)

#endif // MESSAGELOGENTRY_H
