#include "telemetry/tmipage_vela2.h"

#include "telemetry/maskplan.h"
#include "telemetry/tmiformat.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr FieldRef kNumPage = FieldTable::field("NumPage");
constexpr FieldRef kTime = FieldTable::field("Time");
constexpr FieldRef kState = FieldTable::field("State");
constexpr FieldRef kModule1 = FieldTable::field("Module1");
constexpr FieldRef kModule2 = FieldTable::field("Module2");
constexpr FieldRef kStateNGauge = FieldTable::field("StateNGauge");
constexpr FieldRef kStateIn[] = {FieldTable::field("StateIn1"), FieldTable::field("StateIn2")};
constexpr FieldRef kStateOut[] = {FieldTable::field("StateOut1"), FieldTable::field("StateOut2")};

MaskedDecoder &decoder()
{
    // Pages of one download share their mask: keep the compiled plan.
    thread_local MaskedDecoder d;
    return d;
}

} // namespace

TmiPage_Vela2::TmiPage_Vela2(const void *record, qsizetype length, QObject *parent)
    : QObject(parent)
{
    const auto *bytes = static_cast<const quint8 *>(record);
    if (!bytes || length <= 0)
        return;
    keepRaw(bytes, length);
    if (bytes[0] == MaskedDecoder::Type) {
        m_mode = Masked;
        decoder().decode(bytes, length, m_full, &m_presence);
    } else if (bytes[0] == ExtendedRecord::Type) {
        m_mode = Extended;
        m_extended = ExtendedRecord(bytes, length);
        m_presence = m_extended.decodeInto(m_full);
    }
}

TmiPage_Vela2::TmiPage_Vela2(const ExtendedRecord &record, QObject *parent)
    : QObject(parent)
    , m_extended(record)
    , m_mode(Extended)
{
    keepRaw(record.data(), record.size());
    m_presence = m_extended.decodeInto(m_full);
}

TmiPage_Vela2::TmiPage_Vela2(const FullRecord &record, const PresenceMask &rows, QObject *parent)
    : QObject(parent)
{
    const QByteArray bytes = MaskedDecoder::encode(record, rows, MaskedDecoder::SecondGeneration);
    keepRaw(reinterpret_cast<const quint8 *>(bytes.constData()), bytes.size());
    decoder().decode(bytes.constData(), bytes.size(), m_full, &m_presence);
}

void TmiPage_Vela2::keepRaw(const quint8 *record, qsizetype length)
{
    m_rawLength = quint32(std::min<qsizetype>(length, RawCapacity));
    std::memcpy(m_raw.data(), record, m_rawLength);
    std::memcpy(m_header.data(), record, std::min<size_t>(m_rawLength, HeaderSize));
}

QString TmiPage_Vela2::maskText() const
{
    if (m_mode == Extended)
        return m_presence.text(FieldTable::RowCount);
    if (isEmpty())
        return PresenceMask().text(FieldTable::RowCount);
    return PresenceMask::fromBytes(m_header.data() + 2, PresenceMask::Bytes).text(FieldTable::RowCount);
}

quint32 TmiPage_Vela2::pageNumber() const
{
    return quint32(integer(kNumPage));
}

quint32 TmiPage_Vela2::time() const
{
    return quint32(integer(kTime));
}

bool TmiPage_Vela2::isValid() const
{
    return (integer(kState) & 0x01) != 0;
}

bool TmiPage_Vela2::gsmCondition() const
{
    return (integer(kModule1) & 0x21) == 0x21;
}

QString TmiPage_Vela2::text(const FieldRef &field) const
{
    return TmiFormat::value(field, locate(field));
}

QString TmiPage_Vela2::text(QStringView name) const
{
    return text(FieldTable::find(name));
}

QStringList TmiPage_Vela2::texts(const FieldRef &field) const
{
    return TmiFormat::values(field, locate(field));
}

QString TmiPage_Vela2::moduleText(int bit) const
{
    return isPresent(kModule1) ? TmiFormat::moduleBit(quint8(integer(kModule1)), bit) : TmiFormat::notAvailable();
}

QString TmiPage_Vela2::gsmRegistrationText() const
{
    return isPresent(kModule1) ? TmiFormat::gsmRegistration(quint8(integer(kModule1))) : TmiFormat::notAvailable();
}

QString TmiPage_Vela2::module2Text() const
{
    return text(kModule2);
}

QString TmiPage_Vela2::navigationPowerText() const
{
    return isPresent(kStateNGauge) ? TmiFormat::navigationPower(quint8(integer(kStateNGauge)))
                                   : TmiFormat::notAvailable();
}

QString TmiPage_Vela2::navigationFixText() const
{
    return isPresent(kStateNGauge) ? TmiFormat::navigationFix(quint8(integer(kStateNGauge)))
                                   : TmiFormat::notAvailable();
}

QString TmiPage_Vela2::validityText() const
{
    return isPresent(kStateNGauge) ? TmiFormat::navigationValidity(quint8(integer(kStateNGauge)))
                                   : TmiFormat::notAvailable();
}

QString TmiPage_Vela2::inputText(int input) const
{
    if (input < 0 || input >= 16 || !isPresent(kStateIn[input / 8]))
        return TmiFormat::notAvailable();
    return TmiFormat::input(quint32(integer(kStateIn[input / 8])), input % 8);
}

QString TmiPage_Vela2::outputText(int output) const
{
    if (output < 0 || output >= 16 || !isPresent(kStateOut[output / 8]))
        return TmiFormat::notAvailable();
    return TmiFormat::output(quint32(integer(kStateOut[output / 8])), output % 8);
}

QList<DynamicElement> TmiPage_Vela2::dynamicElements() const
{
    return m_mode == Extended ? m_extended.elements() : QList<DynamicElement>();
}
