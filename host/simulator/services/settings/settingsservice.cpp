#include "host/simulator/services/settings/settingsservice.h"

#include "host/simulator/simulatedtracker.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr int kBlockData = 512;

} // namespace

SettingsService::SettingsService(QObject *parent)
    : TrackerService(parent)
    , m_stored(initialConfiguration())
{
}

QList<uint32_t> SettingsService::requests() const
{
    return {HostMessages::SettingsBlockRequest, HostMessages::SettingsWritten};
}

QByteArray SettingsService::initialConfiguration()
{
    // What a tracker fresh from the workshop holds: the vehicle, the
    // monitoring server and the operator's access point (windows-1251).
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<DEVICE model=\"K-4810\" modification=\"1\" type=\"params\" vendor=\"QUARTOLINK\" version=\"2.7\">\n"
        "\t<TRANSFER page=\"TRANSFER\">\n"
        "\t\t<objectName>\xC0\xE2\xF2\xEE\xE1\xF3\xF1 \xB9 17 (\xCC\xC0\xC7-103485)</objectName>\n"
        "\t\t<GPRSTformat>ORVB_VELA</GPRSTformat>\n"
        "\t\t<objectID>1017</objectID>\n"
        "\t\t<GPRSopAPN>internet.mts.ru</GPRSopAPN>\n"
        "\t\t<GPRSopUserName>mts</GPRSopUserName>\n"
        "\t\t<GPRSopPassword>mts</GPRSopPassword>\n"
        "\t\t<GPRSSrv0Name>monitoring.fleet-depot.ru</GPRSSrv0Name>\n"
        "\t\t<GPRSSrv0IP>203.0.113.48</GPRSSrv0IP>\n"
        "\t\t<GPRSSrv0Port>4810</GPRSSrv0Port>\n"
        "\t</TRANSFER>\n"
        "\t<SYSTEM page=\"SYSTEM\">\n"
        "\t\t<timeZone>3</timeZone>\n"
        "\t\t<balanceRequestUSSD>*100#</balanceRequestUSSD>\n"
        "\t</SYSTEM>\n"
        "</DEVICE>\n");
}

bool SettingsService::writeConfiguration(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_stored) != m_stored.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

int32_t SettingsService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    if (request.msgId == HostMessages::SettingsBlockRequest)
        return onBlock(request.p1.bytes, tracker);
    if (request.msgId == HostMessages::SettingsWritten)
        return onWritten(request.p1.firstText());
    return 0;
}

int32_t SettingsService::onBlock(const QByteArray &block, SimulatedTracker &tracker)
{
    if (block.size() < HostMessages::kSettingsBlockSize)
        return 0;
    const int length = MessageBytes::readI32(block, 1024);
    const int number = MessageBytes::readI32(block, 1028);
    const int count = MessageBytes::readI32(block, 1032);
    if (length < 0 || length > kBlockData || number < 1 || count < 0 || number > count + 1)
        return 0;

    if (number == 1) {
        m_received.clear();
        m_blocksReceived = 0;
        m_repeatsAsked = 0;
        m_lastRepeated = 0;
    }
    ++m_blocksReceived;

    // Now and then the link garbles a block: ask for it once more.
    if (m_repeatEvery > 0 && number % m_repeatEvery == 0 && m_lastRepeated != number) {
        m_lastRepeated = number;
        ++m_repeatsAsked;
        tracker.reply(PluginMessage::plain(HostMessages::SettingsBlockAck, 2));
        return 0;
    }
    const qsizetype offset = qsizetype(number - 1) * kBlockData;
    if (m_received.size() < offset + length)
        m_received.resize(offset + length);
    m_received.replace(offset, length, block.constData(), length);
    tracker.reply(PluginMessage::plain(HostMessages::SettingsBlockAck, 1));
    return 0;
}

int32_t SettingsService::onWritten(const QString &path)
{
    // The editor deletes its file once this call returns; what the tracker
    // keeps is what came over the link.
    Q_UNUSED(path);
    if (m_received.isEmpty())
        return 0;
    m_stored = m_received;
    emit configurationStored(int(m_stored.size()));
    return 0;
}
