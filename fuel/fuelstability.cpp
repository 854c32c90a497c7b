#include "fuel/fuelstability.h"

#include <algorithm>

namespace {
// Readings pass through text with two decimals: compare with a margin.
constexpr double kMargin = 1e-9;
}

void FuelStability::setTolerance(double tolerance)
{
    m_tolerance = std::max(0.0, tolerance);
}

void FuelStability::setDuration(qint64 milliseconds)
{
    m_duration = std::max<qint64>(0, milliseconds);
}

void FuelStability::add(qint64 time, double value)
{
    // A clock that went back starts the watch again.
    if (!m_samples.isEmpty() && time < m_samples.last().time)
        m_samples.clear();
    m_samples.append({time, value});
    // Keep only what the check needs, so a long wait costs no memory.
    const int a = anchor();
    if (a > 0)
        m_samples.erase(m_samples.begin(), m_samples.begin() + a);
}

int FuelStability::anchor() const
{
    if (m_samples.isEmpty())
        return -1;
    const qint64 start = m_samples.last().time - m_duration;
    int found = -1;
    for (int i = int(m_samples.size()) - 1; i >= 0; --i) {
        if (m_samples[i].time <= start) {
            found = i;
            break;
        }
    }
    return found;
}

bool FuelStability::isStable() const
{
    const int a = anchor();
    if (a < 0)
        return false;
    double low = m_samples[a].value;
    double high = low;
    for (int i = a + 1; i < m_samples.size(); ++i) {
        low = std::min(low, m_samples[i].value);
        high = std::max(high, m_samples[i].value);
    }
    return high - low <= m_tolerance + kMargin;
}

std::optional<double> FuelStability::last() const
{
    if (m_samples.isEmpty())
        return std::nullopt;
    return m_samples.last().value;
}
