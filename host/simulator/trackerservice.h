#ifndef TRACKERSERVICE_H
#define TRACKERSERVICE_H

#include "host/pluginmessage.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>

class SimulatedTracker;

// One part of the simulated tracker: answers the requests of one family
// of windows (the settings editor's, the telemetry window's ...). The
// tracker routes each request by number to the service that claims it.
//
// A service lives in its own folder host/simulator/services/<name>/ with a
// service.cmake:
//     k4810_sim_service(CLASS SettingsService HEADER settingsservice.h
//                       SOURCES settingsservice.cpp settingsservice.h)
// and is then created by SimulatedTracker::addStandardServices(); no other
// file changes.
class TrackerService : public QObject
{
    Q_OBJECT
public:
    explicit TrackerService(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    // For the message log's note column ("simulator: settings").
    virtual QString name() const = 0;
    // The request numbers this service answers.
    virtual QList<uint32_t> requests() const = 0;
    // Handles one request; answers go through tracker.reply(), which
    // delivers them queued or inside the send, as the answer mode says.
    // The result is the callback's return value.
    virtual int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) = 0;

    // The tracker was attached or detached (after its messages were sent).
    virtual void trackerAttached(SimulatedTracker &tracker) { Q_UNUSED(tracker); }
    virtual void trackerDetached(SimulatedTracker &tracker) { Q_UNUSED(tracker); }
};

#endif // TRACKERSERVICE_H
