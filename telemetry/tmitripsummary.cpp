#include "telemetry/tmitripsummary.h"

#include "telemetry/tmiformat.h"

#include <QCoreApplication>

#include <cmath>
#include <deque>

namespace {

QString tr(const char *key)
{
    return QCoreApplication::translate("TmiTripSummary", key);
}

QString number(double value, int decimals)
{
    // '.' whatever the locale: the text goes into files as well.
    return QString::number(value, 'f', decimals);
}

int decimalsOf(TmiChannel::Id channel, bool percent)
{
    switch (channel) {
    case TmiChannel::Ain1:
        return 2;
    case TmiChannel::CanFuel:
        return percent ? 0 : 1;
    default:
        return 0;
    }
}

} // namespace

double TmiTripOptions::defaultMinRefuel(TmiChannel::Id channel, bool percent)
{
    switch (channel) {
    case TmiChannel::Ain1:
        return 0.5; // V
    case TmiChannel::Frequency1:
        return 50; // Hz
    case TmiChannel::CanFuel:
        return percent ? 5 : 15; // per cent, litres
    default:
        return 150; // sensor units, about 4% of a 12-bit scale
    }
}

QString TmiTripSummary::duration(qint64 seconds)
{
    seconds = qMax<qint64>(0, seconds);
    return QString::asprintf("%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

double TmiTripSummary::distanceKmBetween(qint32 lat1, qint32 lon1, qint32 lat2, qint32 lon2)
{
    constexpr double kRadians = 3.14159265358979323846 / 180.0 / 600000.0;
    constexpr double kEarthRadiusKm = 6371.0;
    const double la1 = lat1 * kRadians, la2 = lat2 * kRadians;
    const double dla = la2 - la1, dlo = (double(lon2) - double(lon1)) * kRadians;
    const double h = std::sin(dla / 2) * std::sin(dla / 2)
        + std::cos(la1) * std::cos(la2) * std::sin(dlo / 2) * std::sin(dlo / 2);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

TmiTripSummary TmiTripSummary::compute(const TmiSeries &series, const TmiTripOptions &options)
{
    TmiTripSummary s;
    const int n = series.count();
    s.pages = n;
    if (n == 0)
        return s;
    const std::vector<quint32> &axis = series.axis();
    const std::vector<quint8> &flags = series.flags();
    s.first = series.times().front();
    s.last = series.times().back();

    // Distance.
    bool allWay = true;
    for (int i = 0; i < n && allWay; ++i)
        allWay = (flags[size_t(i)] & TmiSeries::WayKnown) != 0;
    s.distanceFromWay = allWay;
    if (allWay) {
        for (int i = 1; i < n; ++i)
            s.distanceKm += series.ways()[size_t(i)];
    } else {
        int previous = -1;
        for (int i = 0; i < n; ++i) {
            if (!(flags[size_t(i)] & TmiSeries::FixValid))
                continue;
            if (previous >= 0) {
                s.distanceKm += distanceKmBetween(series.latitudes()[size_t(previous)], series.longitudes()[size_t(previous)],
                                                  series.latitudes()[size_t(i)], series.longitudes()[size_t(i)]);
            }
            previous = i;
        }
    }

    // Driving, parking, stops and the engine, segment by segment.
    const std::vector<float> *speed = series.has(TmiChannel::Speed) ? &series.values(TmiChannel::Speed) : nullptr;
    if (speed) {
        for (int i = 0; i < n; ++i) {
            const float v = (*speed)[size_t(i)];
            if (!std::isnan(v) && (s.maxSpeedIndex < 0 || v > s.maxSpeed)) {
                s.maxSpeed = v;
                s.maxSpeedIndex = i;
            }
        }
    }
    auto closeStop = [&](int from, int to) {
        TmiStop stop;
        stop.firstIndex = from;
        stop.lastIndex = to;
        stop.start = axis[size_t(from)];
        stop.end = axis[size_t(to)];
        if (stop.seconds() < options.minStopSeconds)
            return;
        for (int i = from; i <= to; ++i) {
            if (flags[size_t(i)] & TmiSeries::FixValid) {
                stop.located = true;
                stop.latitude = series.latitudes()[size_t(i)];
                stop.longitude = series.longitudes()[size_t(i)];
                break;
            }
        }
        s.stops.append(stop);
    };
    int stopStart = -1;
    for (int i = 1; i < n; ++i) {
        const qint64 dt = qint64(axis[size_t(i)]) - qint64(axis[size_t(i - 1)]);
        const float v = speed ? (*speed)[size_t(i)] : 0.0f;
        const bool moving = !std::isnan(v) && v >= options.movingSpeed;
        if (moving) {
            s.drivingSeconds += dt;
            if (stopStart >= 0) {
                closeStop(stopStart, i - 1);
                stopStart = -1;
            }
        } else {
            s.parkingSeconds += dt;
            if (stopStart < 0)
                stopStart = i - 1;
        }
        if (flags[size_t(i)] & TmiSeries::EngineKnown) {
            s.engineKnown = true;
            if (flags[size_t(i)] & TmiSeries::EngineOn)
                s.engineSeconds += dt;
        }
    }
    if (stopStart >= 0)
        closeStop(stopStart, n - 1);
    if (s.drivingSeconds > 0)
        s.averageSpeed = s.distanceKm / (s.drivingSeconds / 3600.0);

    // Fuel.
    s.fuelChannel = options.fuelChannel;
    if (options.fuelChannel < TmiChannel::Count && series.has(options.fuelChannel)) {
        const std::vector<float> &level = series.values(options.fuelChannel);
        const bool percent = options.fuelChannel == TmiChannel::CanFuel && series.canFuelInPercent();
        const double threshold = options.minRefuel > 0 ? options.minRefuel
                                                       : TmiTripOptions::defaultMinRefuel(options.fuelChannel, percent);
        const double tolerance = threshold / 4;
        const double window = options.refuelWindowSeconds;
        s.minRefuel = threshold;
        s.fuelUnit = series.unit(options.fuelChannel);
        std::deque<int> lows; // indexes of rising levels within the window: the front is the lowest
        bool rising = false;
        TmiRefuel refuel;
        int peak = -1;
        auto close = [&] {
            refuel.lastIndex = peak;
            refuel.end = axis[size_t(peak)];
            refuel.after = level[size_t(peak)];
            s.refuels.append(refuel);
            s.fuelPoured += refuel.amount();
            rising = false;
        };
        int firstValid = -1, lastValid = -1;
        for (int i = 0; i < n; ++i) {
            const float v = level[size_t(i)];
            if (std::isnan(v))
                continue;
            if (firstValid < 0)
                firstValid = i;
            lastValid = i;
            const double t = axis[size_t(i)];
            if (rising) {
                if (v > level[size_t(peak)]) {
                    peak = i;
                    continue;
                }
                if (v >= level[size_t(peak)] - tolerance && t - axis[size_t(peak)] <= window)
                    continue;
                close();
                lows.clear();
                lows.push_back(i);
                continue;
            }
            while (!lows.empty() && axis[size_t(lows.front())] < t - window)
                lows.pop_front();
            while (!lows.empty() && level[size_t(lows.back())] >= v)
                lows.pop_back();
            lows.push_back(i);
            const int low = lows.front();
            if (v - level[size_t(low)] >= threshold) {
                rising = true;
                refuel = TmiRefuel();
                refuel.firstIndex = low;
                refuel.start = axis[size_t(low)];
                refuel.before = level[size_t(low)];
                peak = i;
            }
        }
        if (rising)
            close();
        if (firstValid >= 0) {
            s.fuelKnown = true;
            s.fuelStart = level[size_t(firstValid)];
            s.fuelEnd = level[size_t(lastValid)];
            s.fuelUsed = s.fuelStart - s.fuelEnd + s.fuelPoured;
        }
    }
    return s;
}

QString TmiTripSummary::text(const TmiExport::Captions &captions, int minStopSeconds) const
{
    return lines(captions, minStopSeconds).join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList TmiTripSummary::lines(const TmiExport::Captions &captions, int minStopSeconds,
                                  QList<QPair<int, int>> *ranges) const
{
    QStringList lines;
    QList<QPair<int, int>> spans;
    // Every line but those of a stop or a refuel stands for no pages.
    auto mark = [&](int first, int last) {
        while (spans.size() < lines.size() - 1)
            spans.append({-1, -1});
        spans.append({first, last});
    };
    const QString km = tr("K4810_862");
    const QString kmh = tr("K4810_853");
    lines << tr("K4810_2954");
    lines << QString();
    if (pages == 0) {
        lines << tr("K4810_2955").arg(0).arg(QString(), QString());
        if (ranges)
            *ranges = QList<QPair<int, int>>(lines.size(), {-1, -1});
        return lines;
    }
    lines << tr("K4810_2955").arg(pages).arg(TmiFormat::dateTime(first), TmiFormat::dateTime(last));
    lines << tr("K4810_2957").arg(number(distanceKm, 1), km)
                 + QLatin1Char(' ') + (distanceFromWay ? tr("K4810_2958") : tr("K4810_2959"));
    lines << tr("K4810_2960").arg(duration(drivingSeconds));
    lines << tr("K4810_2961").arg(duration(parkingSeconds));
    if (maxSpeedIndex >= 0)
        lines << tr("K4810_2962").arg(number(maxSpeed, 1), kmh);
    lines << tr("K4810_2963").arg(number(averageSpeed, 1), kmh);
    lines << (engineKnown ? tr("K4810_2964").arg(duration(engineSeconds)) : tr("K4810_2965"));
    lines << QString();
    if (fuelChannel >= TmiChannel::Count || !fuelKnown) {
        lines << tr("K4810_2969");
    } else {
        const bool percent = fuelUnit == QLatin1String("%");
        const int decimals = decimalsOf(fuelChannel, percent);
        const QString unit = fuelUnit.isEmpty() ? QString() : QLatin1Char(' ') + fuelUnit;
        lines << tr("K4810_2968").arg(TmiChannel::caption(fuelChannel, captions));
        lines << tr("K4810_2970").arg(number(fuelStart, decimals) + unit, number(fuelEnd, decimals) + unit);
        lines << tr("K4810_2971").arg(number(fuelUsed, decimals) + unit);
        lines << tr("K4810_2972").arg(number(minRefuel, decimals) + unit).arg(refuels.size())
                     .arg(number(fuelPoured, decimals) + unit);
        for (int i = 0; i < refuels.size(); ++i) {
            const TmiRefuel &r = refuels[i];
            lines << QStringLiteral("  ")
                    + tr("K4810_2973").arg(i + 1).arg(TmiFormat::dateTime(r.start), TmiFormat::dateTime(r.end),
                                                      number(r.before, decimals), number(r.after, decimals),
                                                      number(r.amount(), decimals) + unit);
            mark(r.firstIndex, r.lastIndex);
        }
    }
    lines << QString();
    lines << tr("K4810_2966").arg(duration(minStopSeconds)).arg(stops.size());
    for (int i = 0; i < stops.size(); ++i) {
        const TmiStop &stop = stops[i];
        QString line = tr("K4810_2967").arg(i + 1).arg(TmiFormat::dateTime(stop.start), TmiFormat::dateTime(stop.end),
                                                        duration(stop.seconds()));
        if (stop.located)
            line += QLatin1Char(' ') + tr("K4810_2956").arg(number(stop.latitude / 600000.0, 6),
                                                             number(stop.longitude / 600000.0, 6));
        lines << QStringLiteral("  ") + line;
        mark(stop.firstIndex, stop.lastIndex);
    }
    if (ranges) {
        while (spans.size() < lines.size())
            spans.append({-1, -1});
        *ranges = spans;
    }
    return lines;
}
