#include "host/simulator/services/telemetry/telemetryservice.h"

#include "host/simulator/simulatedtracker.h"

#include <QDateTime>
#include <QTimer>

#include <cmath>
#include <cstring>

TelemetryService::TelemetryService(QObject *parent)
    : TrackerService(parent)
    , m_trip(std::make_unique<TripGenerator>())
{
}

TelemetryService::~TelemetryService() = default;

QList<uint32_t> TelemetryService::requests() const
{
    using namespace HostMessages;
    return {UssdBalanceRequest, ReadCurrentPage, PollCurrentPage, GuardModeOn, ObservationMode, Output1On,
            Output1Off, Output2On, Output2Off, Output3On, Output3Off, Output4On, Output4Off, ReadPageByNumber,
            ReadPageAtTime, DownloadFromTime, ReadBalancePage, ClearServerBuffer, ReadTouchMemoryKey, ReadRfidTag,
            SetMileage};
}

const quint64 TelemetryService::TemperatureSensorCodes[4] = {0xDF0000071A3C5E28ull, 0x770000071A3C9F28ull,
                                                            0x850000071A4B1028ull, 0xC30000071A4B7728ull};

void TelemetryService::setOneWireDevice(OneWireDevice device)
{
    m_oneWireDevice = device;
    m_oneWireReads = 0;
}

quint64 TelemetryService::nextOneWireCode()
{
    const int read = m_oneWireReads++;
    switch (m_oneWireDevice) {
    case OneWireDevice::TouchMemoryKey:
        return m_touchMemoryKey;
    case OneWireDevice::TemperatureSensors:
        return TemperatureSensorCodes[read % 4];
    case OneWireDevice::Alternating:
        break;
    }
    return read % 2 == 0 ? m_touchMemoryKey : TemperatureSensorCodes[(read / 2) % 4];
}

void TelemetryService::setTrip(int pages, uint32_t lastTime)
{
    m_trip = std::make_unique<TripGenerator>(pages, lastTime);
}

QByteArray TelemetryService::record(int number) const
{
    const TripPage page = m_trip->page(number);
    if (m_secondGeneration) {
        if (page.number % 20 == 0) {
            QByteArray card(8, '\0');
            const quint64 id = m_rfidTag;
            std::memcpy(card.data(), &id, 8);
            QByteArray driver("\xC8\xE2\xE0\xED\xEE\xE2 \xC8.\xCF.", 11); // the driver's name, windows-1251
            driver.resize(16, '\0');
            QByteArray odometer(8, '\0');
            const quint64 metres = quint64(page.run * 1000.0f);
            std::memcpy(odometer.data(), &metres, 8);
            return TrackerRecords::extended(page, {{1, card}, {2, driver}, {3, odometer}});
        }
        return TrackerRecords::masked(page, m_allFields ? TrackerRecords::allFieldsMask() : TrackerRecords::fleetMask());
    }
    // An older recording unit in the fleet still writes F6 now and then.
    if (page.number % 37 == 0)
        return TrackerRecords::f6(page);
    return TrackerRecords::f8(page);
}

QByteArray TelemetryService::pageAnswer(int number, int prefixLength) const
{
    const int n = m_trip->clamp(number);
    return TrackerRecords::prefix(prefixLength, uint32_t(n)) + record(n);
}

int TelemetryService::currentPage()
{
    if (m_recording)
        m_trip->catchUp(uint32_t(QDateTime::currentSecsSinceEpoch()));
    return m_trip->pageCount();
}

void TelemetryService::answerPage(SimulatedTracker &tracker, uint32_t msgId, int number, int prefixLength)
{
    tracker.reply(PluginMessage::buffer(msgId, pageAnswer(number, prefixLength)));
}

bool TelemetryService::readTime(const PluginMessage &request, uint32_t *time)
{
    // The window passes the address of its date-time, in tracker time.
    if (request.p1.type != MessageArg::Type::Address || !isPlausibleAddress(intptr_t(request.p1.number)))
        return false;
    const auto *when = reinterpret_cast<const QDateTime *>(intptr_t(request.p1.number));
    if (!when->isValid())
        return false;
    const qint64 seconds = when->toSecsSinceEpoch();
    *time = seconds < 0 ? 0u : seconds > 0xFFFFFFFFll ? 0xFFFFFFFFu : uint32_t(seconds);
    return true;
}

bool TelemetryService::readNumber(const PluginMessage &request, uint32_t *number)
{
    if (request.p1.bytes.size() < 4)
        return false;
    *number = uint32_t(MessageBytes::readI32(request.p1.bytes, 0));
    return true;
}

int32_t TelemetryService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    using namespace HostMessages;
    const uint32_t now = uint32_t(QDateTime::currentSecsSinceEpoch());
    switch (request.msgId) {
    case ReadCurrentPage:
    case PollCurrentPage:
        answerPage(tracker, TelemetryPage, currentPage(), 3);
        break;
    case ReadBalancePage:
        answerPage(tracker, BalancePage, currentPage(), 3);
        break;
    case ClearServerBuffer:
        answerPage(tracker, ClearBufferAnswer, currentPage(), 3);
        break;
    case ReadPageByNumber: {
        uint32_t number = 0;
        if (!readNumber(request, &number))
            return 0;
        // Beyond the stored pages: the nearest one.
        const int n = number > uint32_t(TripGenerator::kMaxPages) ? TripGenerator::kMaxPages : int(number);
        answerPage(tracker, TelemetryPage, n, 3);
        break;
    }
    case ReadPageAtTime:
    case DownloadFromTime: {
        uint32_t time = 0;
        if (!readTime(request, &time))
            return 0;
        currentPage();
        answerPage(tracker, TelemetryPage, m_trip->firstAtOrAfter(time), 13);
        break;
    }
    case GuardModeOn:
    case ObservationMode:
        m_trip->setGuard(request.msgId == GuardModeOn);
        m_trip->appendEvent(now, request.msgId == GuardModeOn ? 12 : 13);
        break;
    case Output1On: case Output1Off: case Output2On: case Output2Off:
    case Output3On: case Output3Off: case Output4On: case Output4Off: {
        const int output = int(request.msgId - Output1On) / 2 + 1;
        m_trip->setOutput(output, (request.msgId - Output1On) % 2 == 0);
        m_trip->appendEvent(now, output == 1 ? 16 : 17);
        break;
    }
    case UssdBalanceRequest: {
        const QString code = request.p1.firstText();
        // The operator answers a few seconds later.
        QTimer::singleShot(m_balanceDelay, &tracker, [&tracker, code] {
            const QString text = code.isEmpty()
                                     ? QStringLiteral("Неверный запрос")
                                     : QStringLiteral("Баланс: 152,40 р. Лимит 0,00 р. Бонусы: 35");
            tracker.reply(PluginMessage::text(HostMessages::BalanceAnswer, text));
        });
        break;
    }
    case SetMileage: {
        // The odometer, a 32-bit float of kilometres.
        if (request.p1.bytes.size() < 4)
            return 0;
        float km = 0;
        std::memcpy(&km, request.p1.bytes.constData(), 4);
        if (!std::isfinite(km) || km < 0)
            return 0;
        currentPage();
        m_trip->setMileage(km);
        m_trip->appendEvent(now, 31); // settings changed
        break;
    }
    case ReadTouchMemoryKey:
        tracker.reply(PluginMessage::value64(TouchMemoryKey, nextOneWireCode()));
        break;
    case ReadRfidTag:
        tracker.reply(PluginMessage::value64(RfidTag, m_rfidTag, 1));
        break;
    default:
        return 0;
    }
    return 1;
}
