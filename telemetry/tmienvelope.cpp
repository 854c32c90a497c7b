#include "telemetry/tmienvelope.h"

#include <algorithm>
#include <cmath>

TmiEnvelope::Result TmiEnvelope::compute(const quint32 *x, const float *y, int count, double from, double to,
                                         int columns, double maxGap)
{
    Result result;
    if (columns <= 0 || !(to >= from))
        return result;
    result.columns.resize(size_t(columns));
    if (count <= 0)
        return result;
    const quint32 *begin = x;
    const quint32 *end = x + count;
    // Points with x in [from, to].
    const quint32 *lo = from <= 0 ? begin : std::lower_bound(begin, end, quint32(std::min(std::ceil(from), 4294967295.0)));
    const quint32 *hi = to >= 4294967295.0 ? end : std::upper_bound(lo, end, quint32(std::floor(to)));
    result.first = int(lo - begin);
    result.end = int(hi - begin);
    const double span = to - from;
    const double scale = span > 0 ? columns / span : 0;
    float min = 0, max = 0;
    bool any = false;
    TmiEnvelopeColumn *out = result.columns.data();
    for (int i = result.first; i < result.end; ++i) {
        const float v = y[i];
        if (std::isnan(v))
            continue;
        int c = int((double(x[i]) - from) * scale);
        c = std::clamp(c, 0, columns - 1);
        TmiEnvelopeColumn &col = out[c];
        if (col.count == 0) {
            col.min = col.max = col.first = v;
            col.joined = i > 0 && !std::isnan(y[i - 1]) && double(x[i]) - double(x[i - 1]) <= maxGap;
        } else {
            col.min = std::min(col.min, v);
            col.max = std::max(col.max, v);
        }
        col.last = v;
        ++col.count;
        if (!any) {
            min = max = v;
            any = true;
        } else {
            min = std::min(min, v);
            max = std::max(max, v);
        }
    }
    result.min = min;
    result.max = max;
    result.hasValues = any;
    return result;
}
