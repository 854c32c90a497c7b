#include "host/simulator/services/touchmemory/touchmemoryservice.h"

#include "host/simulator/simulatedtracker.h"

namespace {

QByteArray blockNumber(int block)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(block & 0xFF);
    bytes[1] = char((block >> 8) & 0xFF);
    return bytes;
}

int readBlockNumber(const QByteArray &buffer)
{
    return int(uchar(buffer[0])) | int(uchar(buffer[1])) << 8;
}

} // namespace

TouchMemoryService::TouchMemoryService(QObject *parent)
    : TrackerService(parent)
    , m_stored(initialFile())
{
}

QList<uint32_t> TouchMemoryService::requests() const
{
    return {HostMessages::WriteKeyFileBlock, HostMessages::ReadKeyFileBlock, HostMessages::SwitchToKeyFile};
}

QByteArray TouchMemoryService::initialFile()
{
    // Three keys (a driver, a guard key, a service key), 507 empty records,
    // and the file's CRC-16 (polynomial 0x1021, start 0xFFFF) over the
    // 4094 bytes before it.
    struct Key
    {
        quint64 code;
        int mode;
    };
    const Key keys[] = {{0x00000A1B2C3Dull, 0}, {0x0000BEEF0042ull, 1}, {0x00F012345678ull, 3}};
    QByteArray file(kFileSize, '\0');
    file[0] = 'T';
    file[1] = 'M';
    file[2] = 'K';
    file[3] = char(10);
    file[4] = char(kFileSize & 0xFF);
    file[5] = char(kFileSize >> 8);
    for (int k = 0; k < 510; ++k) {
        const Key key = k < 3 ? keys[k] : Key{0, 0};
        const int offset = 8 + 8 * k;
        for (int i = 0; i < 6; ++i)
            file[offset + i] = char((key.code >> (8 * i)) & 0xFF);
        file[offset + 6] = char(1 << key.mode);
    }
    file[kFileSize - 2] = char(0xC0);
    file[kFileSize - 1] = char(0x71);
    return file;
}

void TouchMemoryService::setWriteError(char status, int block)
{
    m_writeError = status;
    m_writeErrorBlock = block;
}

void TouchMemoryService::setReadError(char status, int block)
{
    m_readError = status;
    m_readErrorBlock = block;
}

void TouchMemoryService::clearErrors()
{
    m_writeError = 0;
    m_readError = 0;
    m_switchError = 0;
}

int32_t TouchMemoryService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    switch (request.msgId) {
    case HostMessages::WriteKeyFileBlock:
        return onWrite(request.p1.bytes, tracker);
    case HostMessages::ReadKeyFileBlock:
        return onRead(request.p1.bytes, tracker);
    case HostMessages::SwitchToKeyFile:
        return onSwitch(tracker);
    default:
        return 0;
    }
}

int32_t TouchMemoryService::onWrite(const QByteArray &buffer, SimulatedTracker &tracker)
{
    if (buffer.size() < 2 || buffer.size() > 2 + kBlockSize)
        return 0;
    const int block = readBlockNumber(buffer);
    char status = '1';
    if (m_writeError && block == m_writeErrorBlock) {
        status = m_writeError;
    } else if (qint64(block) * kBlockSize > kFileSize) {
        status = '3';
    } else {
        if (block == 0) {
            m_received.clear();
            m_blocksWritten = 0;
        }
        const int offset = block * kBlockSize;
        const QByteArray data = buffer.mid(2);
        if (m_received.size() < offset + data.size())
            m_received.resize(offset + data.size(), '\0');
        m_received.replace(offset, data.size(), data);
        ++m_blocksWritten;
    }
    tracker.reply(PluginMessage::buffer(HostMessages::KeyBlockWritten, "*#TMW" + blockNumber(block) + status));
    return 1;
}

int32_t TouchMemoryService::onSwitch(SimulatedTracker &tracker)
{
    char status = '1';
    if (m_switchError)
        status = m_switchError;
    else if (m_received.isEmpty())
        status = '4';
    else
        m_stored = m_received;
    tracker.reply(PluginMessage::buffer(HostMessages::KeyFileSwitched, QByteArray("*#TMC") + status));
    return 1;
}

int32_t TouchMemoryService::onRead(const QByteArray &buffer, SimulatedTracker &tracker)
{
    if (buffer.size() < 2)
        return 0;
    const int block = readBlockNumber(buffer);
    if (block == 0)
        m_blocksRead = 0;
    ++m_blocksRead;
    const qint64 offset = qint64(block) * kBlockSize;
    char status = '1';
    QByteArray data;
    if (m_readError && block == m_readErrorBlock)
        status = m_readError;
    else if (offset >= m_stored.size())
        status = '2';
    else
        data = m_stored.mid(int(offset), kBlockSize);
    tracker.reply(PluginMessage::buffer(HostMessages::KeyBlockRead, "*#TMR" + blockNumber(block) + status + data));
    return 1;
}
