#ifndef TMISERIES_H
#define TMISERIES_H

#include "telemetry/tmiexport.h"

#include <QList>
#include <QString>

#include <array>
#include <vector>

struct TmiFilePage;

// The values a chart plots and a trip summary reads, one per page.
namespace TmiChannel {

enum Id : quint8 {
    Speed,
    Power,
    Reserve,
    Ain1,
    Frequency1,
    Rs485_1,
    Rs485_2,
    Rs485_3,
    Rs485_4,
    Rs485_5,
    Rs485_6,
    Rs232,
    CanFuel,
    Temp1,
    Temp2,
    Temp3,
    Temp4,
    CanTemp,
    EngineTurns,
    Altitude,
    Count
};

// The field of the page the channel reads.
const char *fieldName(Id id);
// What the user reads beside it: the field's caption, or for the
// temperature sensors the name the settings gave them.
QString caption(Id id, const TmiExport::Captions &captions);
// The caption followed by ", unit", unless the caption already names the
// unit ("Speed, km/h").
QString title(Id id, const TmiExport::Captions &captions, const QString &unit);
// The caption already ends with the unit.
bool namesUnit(const QString &caption, const QString &unit);
// A fuel level the trip summary can count fuel from.
bool isFuelLevel(Id id);

} // namespace TmiChannel

// The values of every channel over a run of pages, read once so that a
// chart of a million pages draws from plain arrays. A value a page does not
// carry is NaN (a gap in the chart); a sensor channel whose every value is
// zero is a sensor that is not fitted, and is dropped.
//
// Pages keep their order. The chart's time axis needs times that never go
// back: axis() is the page's time, or its predecessor's axis time when the
// tracker's clock went back (the page is drawn where its predecessor is).
class TmiSeries
{
public:
    enum Flag : quint8 {
        FixValid = 0x01,    // the page has a valid fix (TmiPageFields::trackPoint)
        EngineKnown = 0x02, // the page carries Module1
        EngineOn = 0x04,    // bit 7 of Module1
        WayKnown = 0x08,    // the page carries Way
    };

    // Takes the next page.
    void append(const TmiFilePage &page);
    // After the last page: drops the channels no page carries and the
    // sensors that are not fitted, and gives back spare memory.
    void finish();

    int count() const { return int(m_times.size()); }
    bool isEmpty() const { return m_times.empty(); }

    const std::vector<quint32> &times() const { return m_times; }
    const std::vector<quint32> &axis() const { return m_axis; }
    const std::vector<quint32> &pageNumbers() const { return m_numbers; }
    const std::vector<quint8> &flags() const { return m_flags; }
    const std::vector<qint32> &latitudes() const { return m_latitudes; }
    const std::vector<qint32> &longitudes() const { return m_longitudes; }
    // Kilometres since the previous page, as the tracker counted them.
    const std::vector<float> &ways() const { return m_ways; }

    bool has(TmiChannel::Id id) const { return !m_values[id].empty(); }
    // Empty when the channel was dropped.
    const std::vector<float> &values(TmiChannel::Id id) const { return m_values[id]; }
    // The channels kept, in channel order.
    QList<TmiChannel::Id> channels() const;
    // The unit of the channel's values ("km/h", "V", ...; empty for sensor units).
    QString unit(TmiChannel::Id id) const;
    // The CAN fuel level is in per cent (else in litres): the kind of its first value.
    bool canFuelInPercent() const { return m_canFuelPercent == 1; }

    // The page nearest to a time of the axis; -1 when there is none.
    int indexAt(double axisTime) const;
    // The first page whose axis time is at or after the time (count() when none).
    int lowerBound(double axisTime) const;

    // Bytes held.
    qsizetype heldBytes() const;

private:
    std::vector<quint32> m_times;
    std::vector<quint32> m_axis;
    std::vector<quint32> m_numbers;
    std::vector<quint8> m_flags;
    std::vector<qint32> m_latitudes;
    std::vector<qint32> m_longitudes;
    std::vector<float> m_ways;
    std::array<std::vector<float>, TmiChannel::Count> m_values;
    std::array<bool, TmiChannel::Count> m_nonZero{};
    int m_canFuelPercent = -1; // -1: not known yet
};

#endif // TMISERIES_H
