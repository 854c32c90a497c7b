#include "fuel/fuelcalibration.h"

#include <QLocale>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>

namespace FuelCalibration {

float number(const QString &text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(FLT_MAX))
        return 0.0f;
    return float(v);
}

VolumeKey volumeKey(const QString &text)
{
    return {text.isEmpty(), text.isEmpty() ? 0.0f : number(text)};
}

QString loadedValue(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t.trimmed(), &ok);
    // nan and inf read as numbers; an overflow reads as not a number, but infinite.
    if (std::isnan(v) || std::isinf(v) || (ok && std::fabs(v) > double(FLT_MAX)))
        return QStringLiteral("0");
    return t;
}

QList<int> nonMonotonic(const FuelPoints &points)
{
    QList<int> broken;
    if (points.size() < 2)
        return broken;
    QList<int> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return points[a].volume < points[b].volume; });
    const bool rising = points[order.last()].reading >= points[order.first()].reading;

    bool havePrevious = false;
    float previousExtreme = 0; // highest (rising) or lowest (falling) reading of the smaller volumes
    int i = 0;
    while (i < order.size()) {
        // One group of equal volume.
        int end = i;
        while (end < order.size() && points[order[end]].volume == points[order[i]].volume)
            ++end;
        float groupExtreme = points[order[i]].reading;
        for (int k = i; k < end; ++k) {
            const float r = points[order[k]].reading;
            if (havePrevious && (rising ? r < previousExtreme : r > previousExtreme))
                broken << order[k];
            groupExtreme = rising ? std::max(groupExtreme, r) : std::min(groupExtreme, r);
        }
        previousExtreme = havePrevious ? (rising ? std::max(previousExtreme, groupExtreme)
                                                 : std::min(previousExtreme, groupExtreme))
                                       : groupExtreme;
        havePrevious = true;
        i = end;
    }
    std::sort(broken.begin(), broken.end());
    return broken;
}

} // namespace FuelCalibration
