#include "telemetry/tmiseries.h"

#include "telemetry/fieldtable.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmifieldcaptions.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmitextfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// How a channel's value comes from its field.
enum class Read : quint8 {
    Float,       // F32 as it is
    Millivolts,  // U16 mV as volts
    Unsigned,    // U16/U32 as it is
    Signed8,     // a byte as a signed number
    CanTemp,     // signed byte, -128 no data
    CanFuel,     // 0.1 l, or per cent with bit 15; 0x7FFF and 0xFFFF no data
    Signed32,
};

struct ChannelRow
{
    const char *field;
    Read read;
    bool sensor;   // dropped when every value is zero (not fitted)
    bool fuel;     // a fuel level
    const char *unitKey;
    const char *unitContext;
};

#define U(key) QT_TRANSLATE_NOOP("TmiSeries", key)

// Units: km/h, V, Hz, l, °C, rpm, m.
const ChannelRow kChannels[TmiChannel::Count] = {
    {"Speed", Read::Float, false, false, U("K4810_853"), "TmiSeries"},
    {"Power", Read::Millivolts, false, false, U("K4810_2950"), "TmiSeries"},
    {"Reserv", Read::Millivolts, false, false, U("K4810_2950"), "TmiSeries"},
    {"StateU_Ain1", Read::Millivolts, true, true, U("K4810_2950"), "TmiSeries"},
    {"Frequency1", Read::Unsigned, true, true, U("K4810_2951"), "TmiSeries"},
    {"LevelRS485_1", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS485_2", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS485_3", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS485_4", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS485_5", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS485_6", Read::Unsigned, true, true, nullptr, nullptr},
    {"LevelRS232", Read::Unsigned, true, true, nullptr, nullptr},
    {"CAN_FuelLevel", Read::CanFuel, true, true, U("K4810_852"), "TmiSeries"},
    {"Temp1", Read::Signed8, true, false, U("K4810_017"), "TmiSeries"},
    {"Temp2", Read::Signed8, true, false, U("K4810_017"), "TmiSeries"},
    {"Temp3", Read::Signed8, true, false, U("K4810_017"), "TmiSeries"},
    {"Temp4", Read::Signed8, true, false, U("K4810_017"), "TmiSeries"},
    {"CAN_Temp", Read::CanTemp, true, false, U("K4810_017"), "TmiSeries"},
    {"CAN_EngineTurns", Read::Unsigned, true, false, U("K4810_2952"), "TmiSeries"},
    {"Altitude", Read::Signed32, false, false, U("K4810_2953"), "TmiSeries"},
};

#undef U

const std::array<FieldRef, TmiChannel::Count> &channelFields()
{
    static const std::array<FieldRef, TmiChannel::Count> fields = [] {
        std::array<FieldRef, TmiChannel::Count> f;
        for (int i = 0; i < TmiChannel::Count; ++i)
            f[size_t(i)] = FieldTable::field(kChannels[i].field);
        return f;
    }();
    return fields;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr FieldRef kModule1 = FieldTable::field("Module1");
constexpr FieldRef kWay = FieldTable::field("Way");

} // namespace

namespace TmiChannel {

const char *fieldName(Id id)
{
    return id < Count ? kChannels[id].field : "";
}

QString caption(Id id, const TmiExport::Captions &captions)
{
    if (id >= Temp1 && id <= Temp4) {
        const QString &name = captions.temperatures[size_t(id - Temp1)];
        if (!name.isEmpty())
            return name;
    }
    return TmiFieldCaptions::caption(channelFields()[id].index);
}

bool namesUnit(const QString &caption, const QString &unit)
{
    return unit.isEmpty() || caption.endsWith(QStringLiteral(", ") + unit);
}

QString title(Id id, const TmiExport::Captions &captions, const QString &unit)
{
    const QString text = caption(id, captions);
    return namesUnit(text, unit) ? text : text + QStringLiteral(", ") + unit;
}

bool isFuelLevel(Id id)
{
    return id < Count && kChannels[id].fuel;
}

} // namespace TmiChannel

void TmiSeries::append(const TmiFilePage &page)
{
    const quint32 time = page.time();
    m_times.push_back(time);
    m_axis.push_back(m_axis.empty() ? time : std::max(time, m_axis.back()));
    m_numbers.push_back(page.pageNumber());

    quint8 flags = 0;
    TmiTrackPoint point;
    if (TmiPageFields::trackPoint(page, &point)) {
        flags |= FixValid;
        m_latitudes.push_back(point.latitude);
        m_longitudes.push_back(point.longitude);
    } else {
        m_latitudes.push_back(0);
        m_longitudes.push_back(0);
    }
    if (const quint8 *module1 = TmiPageFields::at(page, kModule1)) {
        flags |= EngineKnown;
        if (*module1 & 0x80)
            flags |= EngineOn;
    }
    if (const quint8 *way = TmiPageFields::at(page, kWay)) {
        const float km = TmiBytes::readFloat(way);
        if (std::isfinite(km)) {
            flags |= WayKnown;
            m_ways.push_back(km);
        } else {
            m_ways.push_back(0);
        }
    } else {
        m_ways.push_back(0);
    }
    m_flags.push_back(flags);

    const auto &fields = channelFields();
    for (int c = 0; c < TmiChannel::Count; ++c) {
        const FieldRef &field = fields[size_t(c)];
        const quint8 *bytes = TmiPageFields::at(page, field);
        float value = kNaN;
        if (bytes) {
            switch (kChannels[c].read) {
            case Read::Float: {
                const float v = TmiBytes::readFloat(bytes);
                value = std::isfinite(v) ? v : kNaN;
                break;
            }
            case Read::Millivolts:
                value = float(TmiBytes::read<quint16>(bytes) / 1000.0);
                break;
            case Read::Unsigned:
                value = float(TmiBytes::readInteger(field.type, bytes));
                break;
            case Read::Signed8:
                value = float(qint8(bytes[0]));
                break;
            case Read::CanTemp:
                value = qint8(bytes[0]) == -128 ? kNaN : float(qint8(bytes[0]));
                break;
            case Read::CanFuel: {
                const quint16 level = TmiBytes::read<quint16>(bytes);
                if (level == 0x7FFF || level == 0xFFFF)
                    break;
                const int percent = (level & 0x8000) ? 1 : 0;
                if (m_canFuelPercent < 0)
                    m_canFuelPercent = percent;
                // A value of the other kind than the first cannot share its scale.
                if (percent == m_canFuelPercent)
                    value = percent ? float(level & 0x7FFF) : float(level / 10.0);
                break;
            }
            case Read::Signed32:
                value = float(TmiBytes::read<qint32>(bytes));
                break;
            }
        }
        std::vector<float> &values = m_values[size_t(c)];
        if (values.empty()) {
            if (std::isnan(value))
                continue; // nothing carried yet: filled in when a value comes
            values.assign(m_times.size() - 1, kNaN);
        }
        values.push_back(value);
        if (value != 0 && !std::isnan(value))
            m_nonZero[size_t(c)] = true;
    }
}

void TmiSeries::finish()
{
    for (int c = 0; c < TmiChannel::Count; ++c) {
        std::vector<float> &values = m_values[size_t(c)];
        if (kChannels[c].sensor && !m_nonZero[size_t(c)])
            std::vector<float>().swap(values);
        else
            values.shrink_to_fit();
    }
    m_times.shrink_to_fit();
    m_axis.shrink_to_fit();
    m_numbers.shrink_to_fit();
    m_flags.shrink_to_fit();
    m_latitudes.shrink_to_fit();
    m_longitudes.shrink_to_fit();
    m_ways.shrink_to_fit();
}

QList<TmiChannel::Id> TmiSeries::channels() const
{
    QList<TmiChannel::Id> list;
    for (int c = 0; c < TmiChannel::Count; ++c) {
        if (has(TmiChannel::Id(c)))
            list.append(TmiChannel::Id(c));
    }
    return list;
}

QString TmiSeries::unit(TmiChannel::Id id) const
{
    if (id >= TmiChannel::Count)
        return QString();
    if (id == TmiChannel::CanFuel && canFuelInPercent())
        return QStringLiteral("%");
    const ChannelRow &row = kChannels[id];
    return row.unitKey ? QCoreApplication::translate(row.unitContext, row.unitKey) : QString();
}

int TmiSeries::lowerBound(double axisTime) const
{
    if (axisTime <= 0)
        return 0;
    if (axisTime > double(std::numeric_limits<quint32>::max()))
        return count();
    const quint32 t = quint32(std::ceil(axisTime));
    return int(std::lower_bound(m_axis.begin(), m_axis.end(), t) - m_axis.begin());
}

int TmiSeries::indexAt(double axisTime) const
{
    if (m_axis.empty())
        return -1;
    const int after = lowerBound(axisTime);
    if (after >= count())
        return count() - 1;
    if (after == 0)
        return 0;
    // The nearer of the two neighbours; on a tie the earlier page.
    return axisTime - m_axis[size_t(after - 1)] <= m_axis[size_t(after)] - axisTime ? after - 1 : after;
}

qsizetype TmiSeries::heldBytes() const
{
    qsizetype bytes = qsizetype(m_times.capacity() + m_axis.capacity() + m_numbers.capacity()) * 4
        + qsizetype(m_flags.capacity()) + qsizetype(m_latitudes.capacity() + m_longitudes.capacity()) * 4
        + qsizetype(m_ways.capacity()) * 4;
    for (const auto &values : m_values)
        bytes += qsizetype(values.capacity()) * 4;
    return bytes;
}
