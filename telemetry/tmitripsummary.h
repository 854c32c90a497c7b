#ifndef TMITRIPSUMMARY_H
#define TMITRIPSUMMARY_H

#include "telemetry/tmiexport.h"
#include "telemetry/tmiseries.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QString>

// What the trip summary is asked for.
struct TmiTripOptions
{
    // Stops at least this long are listed.
    int minStopSeconds = 180;
    // Below this speed the vehicle stands.
    double movingSpeed = 3.0;
    // The fuel level the fuel is counted from; Count: none.
    TmiChannel::Id fuelChannel = TmiChannel::Count;
    // The least rise of the level that counts as a refuel, in the level's
    // units; 0: defaultMinRefuel() of the channel.
    double minRefuel = 0;
    // A rise counts when it is made within this time (a refuel is poured in
    // minutes; a slow drift of the reading is not one).
    int refuelWindowSeconds = 1800;

    static double defaultMinRefuel(TmiChannel::Id channel, bool percent);
};

struct TmiStop
{
    int firstIndex = 0; // the page at which the vehicle stood
    int lastIndex = 0;  // the last page at which it stood
    quint32 start = 0;
    quint32 end = 0;
    bool located = false;
    qint32 latitude = 0; // 1/600000 degree
    qint32 longitude = 0;
    qint64 seconds() const { return qint64(end) - qint64(start); }
};

struct TmiRefuel
{
    int firstIndex = 0; // the lowest level before it
    int lastIndex = 0;  // the highest level it reached
    quint32 start = 0;
    quint32 end = 0;
    double before = 0;
    double after = 0;
    double amount() const { return after - before; }
};

// A trip over the pages of a series.
//
// The time between two pages counts as driving when the later page shows a
// speed of at least movingSpeed, else as parking; a stop is a run of parking
// time. The distance is the sum of the tracker's own Way (kilometres since
// the previous page) when every page carries it, else the great-circle
// distance between the pages with a valid fix. The engine runs while bit 7
// of Module1 is set (the same rule as the speed). Fuel used is the level at
// the start less the level at the end plus what was poured; a refuel is a
// rise of at least minRefuel above the lowest level of the refuelWindow
// before it, from that lowest level to the highest level it reaches.
struct TmiTripSummary
{
    int pages = 0;
    quint32 first = 0;
    quint32 last = 0;
    double distanceKm = 0;
    bool distanceFromWay = false;
    qint64 drivingSeconds = 0;
    qint64 parkingSeconds = 0;
    double maxSpeed = 0;
    int maxSpeedIndex = -1;
    double averageSpeed = 0; // distance over driving time
    bool engineKnown = false;
    qint64 engineSeconds = 0;
    QList<TmiStop> stops;

    TmiChannel::Id fuelChannel = TmiChannel::Count;
    bool fuelKnown = false;
    QString fuelUnit;
    double minRefuel = 0;
    double fuelStart = 0;
    double fuelEnd = 0;
    double fuelUsed = 0;
    double fuelPoured = 0;
    QList<TmiRefuel> refuels;

    static TmiTripSummary compute(const TmiSeries &series, const TmiTripOptions &options);

    // The summary as a plain text for a file or the clipboard; the
    // captions name the fuel level's sensor.
    QString text(const TmiExport::Captions &captions, int minStopSeconds) const;
    // The same, line by line; ranges (when given) gets for each line the
    // first and last page of the stop or refuel it lists, or -1, -1.
    QStringList lines(const TmiExport::Captions &captions, int minStopSeconds,
                      QList<QPair<int, int>> *ranges = nullptr) const;

    // "h:mm:ss" of a duration (hours may pass 24).
    static QString duration(qint64 seconds);
    // Great-circle distance in km between two points (1/600000 degree).
    static double distanceKmBetween(qint32 lat1, qint32 lon1, qint32 lat2, qint32 lon2);
};

#endif // TMITRIPSUMMARY_H
