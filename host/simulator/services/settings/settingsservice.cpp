#include "host/simulator/services/settings/settingsservice.h"

#include "host/simulator/simulatedtracker.h"

#include <QDir>
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
    // What a tracker fresh from the workshop holds, one section a file
    // (configuration/<position>_<SECTION>.xml, windows-1251), in page order.
    QByteArray xml = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<DEVICE model=\"K-4810\" modification=\"1\" type=\"params\" vendor=\"QUARTOLINK\" version=\"2.7\">\n");
    const QDir sections(QStringLiteral(":/simulator/configuration"));
    const QStringList names = sections.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(sections.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            xml += file.readAll();
    }
    xml += "</DEVICE>\n";
    return xml;
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
