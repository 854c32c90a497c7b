#ifndef FUELSTABILITY_H
#define FUELSTABILITY_H

#include <QList>
#include <QtGlobal>

#include <optional>

// Whether a live reading has settled: it is stable once every reading of
// the last `duration` milliseconds, and the one that held when that span
// began, lie within `tolerance` of each other. While fuel is poured the
// readings climb and the reading is not stable; when the level settles it
// becomes stable after the set time. A duration of 0 takes any reading as
// stable.
class FuelStability
{
public:
    void setTolerance(double tolerance);
    void setDuration(qint64 milliseconds);
    double tolerance() const { return m_tolerance; }
    qint64 duration() const { return m_duration; }

    // A reading taken at that time (milliseconds of a steady clock).
    void add(qint64 time, double value);
    // Forgets every reading (the live link stopped, or the window opened again).
    void reset() { m_samples.clear(); }

    bool isStable() const;
    std::optional<double> last() const;

private:
    struct Sample
    {
        qint64 time;
        double value;
    };
    // The oldest sample needed: the latest one at or before the span's start.
    int anchor() const;

    double m_tolerance = 0;
    qint64 m_duration = 0;
    QList<Sample> m_samples;
};

#endif // FUELSTABILITY_H
