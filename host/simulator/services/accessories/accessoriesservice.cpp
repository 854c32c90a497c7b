#include "host/simulator/services/accessories/accessoriesservice.h"

#include "host/hostmessages.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"

#include <QRegularExpression>
#include <QTimer>

AccessoriesService::AccessoriesService(QObject *parent)
    : TrackerService(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &AccessoriesService::nextAnswer);
}

AccessoriesService::~AccessoriesService() = default;

QList<uint32_t> AccessoriesService::requests() const
{
    return {HostMessages::ReadCanPage, HostMessages::BluetoothSearch, HostMessages::BluetoothSearchCancel};
}

QList<QPair<QByteArray, QByteArray>> AccessoriesService::devicesInRange()
{
    return {
        {QByteArray("ESCORT TD-BLE 1702"), QByteArray("00:1A:7D:DA:71:13")},
        // "Гарнитура водителя" (the driver's headset)
        {QByteArray("\xC3\xE0\xF0\xED\xE8\xF2\xF3\xF0\xE0 \xE2\xEE\xE4\xE8\xF2\xE5\xEB\xFF"),
         QByteArray("5C:F3:70:8B:12:E4")},
        {QByteArray("<b>Ivan's phone</b>"), QByteArray("A4:C1:38:0F:9E:2B")},
        {QByteArray("OBD-II ELM327"), QByteArray("00:0D:18:3A:67:89")},
    };
}

QByteArray AccessoriesService::deviceAnswer(const QByteArray &name, const QByteArray &address)
{
    return QByteArray("*#BT\"") + name + "\"," + address + '\r';
}

int AccessoriesService::adapterAddress(const QByteArray &configuration)
{
    static const QRegularExpression re(QStringLiteral("<CANaddress>\\s*(\\d+)\\s*</CANaddress>"));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(configuration));
    return m.hasMatch() ? m.captured(1).toInt() : 1;
}

bool AccessoriesService::isSearching() const
{
    return m_searching;
}

int32_t AccessoriesService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    switch (request.msgId) {
    case HostMessages::ReadCanPage: {
        const SettingsService *settings = tracker.service<SettingsService>();
        const int address = adapterAddress(settings ? settings->storedConfiguration() : QByteArray());
        QByteArray answer("*#CANADR");
        answer += request.p1.number == address ? '1' : '0';
        tracker.reply(PluginMessage::buffer(HostMessages::CanAnswer, answer));
        return 0;
    }
    case HostMessages::BluetoothSearch:
        startSearch(tracker);
        return 0;
    case HostMessages::BluetoothSearchCancel:
        if (isSearching()) {
            stopSearch();
            tracker.reply(PluginMessage::buffer(HostMessages::BluetoothAnswer, QByteArray("*#BTDEV3")));
        }
        return 0;
    default:
        return 0;
    }
}

void AccessoriesService::startSearch(SimulatedTracker &tracker)
{
    stopSearch();
    m_tracker = &tracker;
    m_searching = true;
    const auto devices = devicesInRange();
    switch (m_outcome) {
    case SearchOutcome::Found:
        for (const auto &d : devices)
            m_pending << deviceAnswer(d.first, d.second);
        m_pending << QByteArray("*#BTDEV1");
        break;
    case SearchOutcome::Nothing:
        m_pending << QByteArray("*#BTDEV1");
        break;
    case SearchOutcome::Fails:
        m_pending << deviceAnswer(devices.first().first, devices.first().second) << QByteArray("*#BTDEV2");
        break;
    case SearchOutcome::Silent:
        for (const auto &d : devices)
            m_pending << deviceAnswer(d.first, d.second);
        break;
    }
    // The search runs: said at once (inside the send when the host answers so).
    tracker.reply(PluginMessage::buffer(HostMessages::BluetoothAnswer, QByteArray("*#BTDEV0")));
    if (!m_pending.isEmpty())
        m_timer->start(m_step);
}

void AccessoriesService::nextAnswer()
{
    if (m_pending.isEmpty() || !m_tracker)
        return;
    const QByteArray answer = m_pending.takeFirst();
    if (!m_pending.isEmpty())
        m_timer->start(m_step);
    else if (answer.startsWith("*#BTDEV"))
        m_searching = false; // its end reported
    m_tracker->reply(PluginMessage::buffer(HostMessages::BluetoothAnswer, answer));
}

void AccessoriesService::stopSearch()
{
    m_timer->stop();
    m_pending.clear();
    m_searching = false;
}

void AccessoriesService::trackerDetached(SimulatedTracker &)
{
    stopSearch();
}
